#include "support/number_text.h"

#include <algorithm>
#include <limits>

namespace brenx::support {

std::string GroupedNumber(std::int64_t value) {
    std::string text;
    AppendGroupedNumber(text, value);
    return text;
}

void AppendGroupedNumber(std::string& out, std::int64_t value) {
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
    out.append(start, text + sizeof text);
}

void AppendHexNumber(std::string& out, std::uint64_t value) {
    char digits[16];
    char* start = digits + sizeof digits;
    do {
        *--start = "0123456789ABCDEF"[value & 0xF];
        value >>= 4;
    } while (value != 0);
    out.append(start, digits + sizeof digits);
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

std::int64_t ParseDecimal64(std::string_view text) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    std::int64_t magnitude = 0;
    bool negative = false;
    for (const char c : text) {
        if (c == ' ') continue;
        if (c == '-') {
            negative = true;
        } else if (c >= '0' && c <= '9') {
            const int digit = c - '0';
            magnitude = magnitude > (kMax - digit) / 10 ? kMax : magnitude * 10 + digit;
        } else {
            break;
        }
    }
    return negative ? -magnitude : magnitude;
}

std::int32_t ParseDecimal(std::string_view text) {
    const std::int64_t value = ParseDecimal64(text);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace brenx::support
