#include "platform/run_token.h"

#include <windows.h>
// After windows.h, which it needs.
#include <bcrypt.h>

#include <cstdint>

namespace brenx::platform {
namespace {

// Should the random source fail, the process and the clock still tell two
// runs apart.
std::uint64_t FallbackBits() {
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    std::uint64_t bits =
        (static_cast<std::uint64_t>(now.dwHighDateTime) << 32 | now.dwLowDateTime) * 1000000007u;
    bits ^= static_cast<std::uint64_t>(counter.QuadPart) << 20;
    bits ^= static_cast<std::uint64_t>(GetCurrentProcessId()) * 0x9E3779B97F4A7C15u;
    return bits;
}

}  // namespace

std::string NewRunToken() {
    std::uint64_t bits = 0;
    if (!BCRYPT_SUCCESS(BCryptGenRandom(nullptr, reinterpret_cast<PUCHAR>(&bits), sizeof bits,
                                        BCRYPT_USE_SYSTEM_PREFERRED_RNG))) {
        bits = FallbackBits();
    }
    return RunTokenOfBits(bits);
}

}  // namespace brenx::platform
