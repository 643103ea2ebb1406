#include "platform/run_token.h"

namespace brenx::platform {

std::string RunTokenOfBits(std::uint64_t bits) {
    constexpr char kDigits[] = "0123456789abcdef";
    std::string token(16, '0');
    for (char& digit : token) {
        digit = kDigits[bits & 0xF];
        bits >>= 4;
    }
    return token;
}

}  // namespace brenx::platform
