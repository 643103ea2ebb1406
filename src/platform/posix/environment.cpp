#include "platform/environment.h"

#include <cstdlib>

namespace brenx::platform {

std::string GetEnvironmentVariable(const std::string& name) {
    if (name.empty() || name.find('=') != std::string::npos) return {};
    const char* value = std::getenv(name.c_str());
    return value == nullptr ? std::string() : std::string(value);
}

}  // namespace brenx::platform
