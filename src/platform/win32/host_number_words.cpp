#include "platform/host_reason.h"
#include "platform/win32/win32_error.h"

namespace brenx::platform {

std::string HostNumberWords(int hostNumber) {
    return Win32ErrorWords(static_cast<unsigned long>(hostNumber));
}

}  // namespace brenx::platform
