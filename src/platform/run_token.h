#pragma once

#include <cstdint>
#include <string>

namespace brenx::platform {

// Sixteen lower-case hexadecimal digits drawn from the host's random source:
// a name part that no other run of the program (on this host or another
// that shares the medium) draws as well.
std::string NewRunToken();

// The token of 64 random bits, as the back ends' NewRunToken draw them.
std::string RunTokenOfBits(std::uint64_t bits);

}  // namespace brenx::platform
