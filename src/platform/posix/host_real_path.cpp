#include "platform/host_real_path.h"

#include <climits>
#include <cstdlib>

namespace brenx::platform {

std::string HostRealPath(const std::string& hostPath) {
    char buffer[PATH_MAX];
    if (realpath(hostPath.c_str(), buffer) == nullptr) return {};
    return buffer;
}

}  // namespace brenx::platform
