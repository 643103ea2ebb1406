#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace brenx::support {

// Every line the program writes ends with this.
inline constexpr char kLineBreak[] = "\r\n";

// One argument of SafeFormat. It only borrows text: the formatted call must
// finish before the text it was made from goes away (true for the usual
// `SafeFormat("...", {a, b})` call, whose temporaries live to its end).
// Booleans and non-text pointers are refused at compile time, so a flag or an
// address can never be printed by mistake.
class FormatArg {
  public:
    enum class Kind : std::uint8_t { kText, kInt32, kUInt32, kInt64, kUInt64, kDouble };

    // A null text pointer formats as an empty text.
    FormatArg(const char* text) : kind_(Kind::kText), text_(text ? text : "") {}
    FormatArg(char* text) : FormatArg(static_cast<const char*>(text)) {}
    FormatArg(const std::string& text) : kind_(Kind::kText), text_(text) {}
    FormatArg(std::string_view text) : kind_(Kind::kText), text_(text) {}

    FormatArg(int value) : kind_(Kind::kInt32), signed_(value) {}
    FormatArg(unsigned value) : kind_(Kind::kUInt32), unsigned_(value) {}
    FormatArg(long value) : kind_(sizeof(long) > 4 ? Kind::kInt64 : Kind::kInt32), signed_(value) {}
    FormatArg(unsigned long value)
        : kind_(sizeof(long) > 4 ? Kind::kUInt64 : Kind::kUInt32), unsigned_(value) {}
    FormatArg(long long value) : kind_(Kind::kInt64), signed_(value) {}
    FormatArg(unsigned long long value) : kind_(Kind::kUInt64), unsigned_(value) {}
    FormatArg(double value) : kind_(Kind::kDouble), double_(value) {}

    FormatArg(bool) = delete;
    template <typename T>
    FormatArg(T*) = delete;

    Kind kind() const { return kind_; }
    std::string_view text() const { return text_; }
    // The value of a signed integer argument (kInt32, kInt64).
    std::int64_t signedValue() const { return signed_; }
    // The value of an unsigned integer argument (kUInt32, kUInt64).
    std::uint64_t unsignedValue() const { return unsigned_; }
    double doubleValue() const { return double_; }

  private:
    Kind kind_;
    std::string_view text_;
    union {
        std::int64_t signed_;
        std::uint64_t unsigned_;
        double double_ = 0;
    };
};

// Formats the arguments into the format. Directives:
//   %s      text
//   %d      integer, decimal
//   %x      integer, upper-case hexadecimal without leading zeros; a negative
//           value prints its two's complement in its own width (32 or 64 bits)
//   %.02f   floating value with two decimals
//   %%      one "%"
// Anything else (an unknown or malformed directive, a "%" at the very end, an
// argument of the wrong kind, too few arguments) gives, instead of the text,
// a report naming the fault and quoting the format, so that the report goes
// wherever the text was going. Extra arguments are ignored. Never throws
// (except when memory runs out).
std::string SafeFormat(std::string_view format, std::initializer_list<FormatArg> args = {});

}  // namespace brenx::support
