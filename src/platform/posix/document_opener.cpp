#include "platform/document_opener.h"

namespace brenx::platform {

const char* DocumentOpener() {
    return "xdg-open";
}

}  // namespace brenx::platform
