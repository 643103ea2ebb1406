#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace brenx::support {

// The decimal digits of the value with a "," between every group of three,
// counted from the right: 1000 gives "1,000", -1234 gives "-1,234".
std::string GroupedNumber(std::int64_t value);
// GroupedNumber appended to `out`.
void AppendGroupedNumber(std::string& out, std::int64_t value);

// The value in upper-case hexadecimal without leading zeros, appended to
// `out` (255 gives "FF", 0 gives "0").
void AppendHexNumber(std::string& out, std::uint64_t value);

// The hexadecimal number at the start of the text (either case), up to the
// first character that is not a hexadecimal digit; 0 when there is none.
// With more than eight digits the value is the low 32 bits of the number.
std::uint32_t ParseHex(std::string_view text);

// The decimal number in the text: spaces are skipped wherever they stand, a
// "-" anywhere makes the result negative, and any other character ends the
// scan. A value beyond the 32-bit range saturates at INT32_MAX or INT32_MIN,
// so an oversized count never wraps round to a small or negative one.
std::int32_t ParseDecimal(std::string_view text);

// The same reading over 64 bits (byte counts pass 2 GB), saturating at the
// largest magnitude instead of wrapping.
std::int64_t ParseDecimal64(std::string_view text);

}  // namespace brenx::support
