#include "platform/host_real_path.h"

#include <filesystem>
#include <system_error>

namespace brenx::platform {

// The drive table's host directories are POSIX paths, which name nothing on
// Windows; the call is kept for the portable drive table alone.
std::string HostRealPath(const std::string& hostPath) {
    std::error_code error;
    const std::filesystem::path real = std::filesystem::canonical(hostPath, error);
    return error ? std::string() : real.generic_string();
}

}  // namespace brenx::platform
