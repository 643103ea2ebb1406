#pragma once

#include <string>

namespace brenx::platform {

// The real path of a host path (links and "." and ".." resolved), from the
// back end; empty when the path does not exist.
std::string HostRealPath(const std::string& hostPath);

}  // namespace brenx::platform
