#include "platform/document_opener.h"

namespace brenx::platform {

// Explorer hands a path or an address to the program the user chose for it,
// and is on every Windows desktop.
const char* DocumentOpener() {
    return "explorer.exe";
}

}  // namespace brenx::platform
