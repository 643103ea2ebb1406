#include "platform/run_token.h"

#include <sys/random.h>
#include <time.h>
#include <unistd.h>

#include <cstdint>

namespace brenx::platform {
namespace {

// Should the random source fail, the process and the clock still tell two
// runs apart.
std::uint64_t FallbackBits() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    std::uint64_t bits = static_cast<std::uint64_t>(now.tv_sec) * 1000000007u;
    bits ^= static_cast<std::uint64_t>(now.tv_nsec) << 20;
    bits ^= static_cast<std::uint64_t>(getpid()) * 0x9E3779B97F4A7C15u;
    return bits;
}

}  // namespace

std::string NewRunToken() {
    std::uint64_t bits = 0;
    if (getrandom(&bits, sizeof bits, 0) != static_cast<ssize_t>(sizeof bits)) {
        bits = FallbackBits();
    }
    return RunTokenOfBits(bits);
}

}  // namespace brenx::platform
