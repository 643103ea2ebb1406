#pragma once

#include <string>

namespace brenx::platform {

// Sixteen lower-case hexadecimal digits drawn from the host's random source:
// a name part that no other run of the program (on this host or another
// that shares the medium) draws as well.
std::string NewRunToken();

}  // namespace brenx::platform
