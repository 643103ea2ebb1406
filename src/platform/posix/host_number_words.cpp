#include <string.h>

#include "platform/host_reason.h"

namespace brenx::platform {

std::string HostNumberWords(int hostNumber) {
    char buffer[256];
    // The GNU strerror_r: the words may be a constant text rather than the buffer.
    return strerror_r(hostNumber, buffer, sizeof buffer);
}

}  // namespace brenx::platform
