#include "support/number_text.h"

#include <limits>

namespace brenx::support {

std::string GroupedNumber(std::int64_t value) {
    // Work on the magnitude as unsigned, so that INT64_MIN has one too.
    std::uint64_t magnitude = static_cast<std::uint64_t>(value);
    if (value < 0) magnitude = 0 - magnitude;
    char text[32];  // 20 digits, 6 commas and the sign
    char* start = text + sizeof text;
    int digits = 0;
    do {
        if (digits > 0 && digits % 3 == 0) *--start = ',';
        *--start = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
        ++digits;
    } while (magnitude != 0);
    if (value < 0) *--start = '-';
    return std::string(start, text + sizeof text);
}

std::uint32_t ParseHex(std::string_view text) {
    std::uint32_t value = 0;
    for (const char c : text) {
        std::uint32_t digit;
        if (c >= '0' && c <= '9') {
            digit = static_cast<std::uint32_t>(c - '0');
        } else if (c >= 'A' && c <= 'F') {
            digit = static_cast<std::uint32_t>(c - 'A' + 10);
        } else if (c >= 'a' && c <= 'f') {
            digit = static_cast<std::uint32_t>(c - 'a' + 10);
        } else {
            break;
        }
        value = (value << 4) | digit;
    }
    return value;
}

std::int32_t ParseDecimal(std::string_view text) {
    // One more than INT32_MAX: the largest magnitude a negative result can have.
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    bool negative = false;
    for (const char c : text) {
        if (c == ' ') continue;
        if (c == '-') {
            negative = true;
        } else if (c >= '0' && c <= '9') {
            magnitude = magnitude * 10 + (c - '0');
            if (magnitude > kLimit) magnitude = kLimit;
        } else {
            break;
        }
    }
    if (negative) return static_cast<std::int32_t>(-magnitude);
    if (magnitude >= kLimit) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(magnitude);
}

}  // namespace brenx::support
