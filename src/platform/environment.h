#pragma once

#include <string>

namespace brenx::platform {

// The value of an environment variable; empty when it is not set.
std::string GetEnvironmentVariable(const std::string& name);

}  // namespace brenx::platform
