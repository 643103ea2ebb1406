#include "support/safe_format.h"

#include <charconv>
#include <cstring>
#include <system_error>

#include "support/number_text.h"

namespace brenx::support {

namespace {

using Kind = FormatArg::Kind;

// The room a number takes at most: a 64-bit value in decimal with its sign,
// or a double in fixed notation with two decimals (about 310 digits).
constexpr std::size_t kNumberRoom = 400;

// Characters that may stand between "%" and the conversion letter in a
// directive; collected only to quote a malformed directive whole.
bool IsDirectiveModifier(char c) {
    return (c >= '0' && c <= '9') || std::strchr(".-+ #*:", c) != nullptr;
}

const char* KindName(Kind kind) {
    switch (kind) {
        case Kind::kText:
            return "text";
        case Kind::kDouble:
            return "a floating value";
        default:
            return "an integer";
    }
}

bool IsInteger(Kind kind) {
    return kind != Kind::kText && kind != Kind::kDouble;
}

std::string Quoted(std::string_view directive) {
    std::string quoted = "\"";
    quoted.append(directive);
    quoted += '"';
    return quoted;
}

std::string AtPosition(std::size_t offset) {
    return " at position " + std::to_string(offset + 1);
}

std::string ErrorReport(std::string_view format, const std::string& error) {
    std::string report = "Format() error in program!\r\nError:\r\n";
    report += error;
    report += "\r\nFormat:\r\n";
    report.append(format);
    return report;
}

void AppendDecimal(std::string& out, const FormatArg& arg) {
    char digits[24];
    const bool isSigned = arg.kind() == Kind::kInt32 || arg.kind() == Kind::kInt64;
    const auto result = isSigned
                            ? std::to_chars(digits, digits + sizeof digits, arg.signedValue())
                            : std::to_chars(digits, digits + sizeof digits, arg.unsignedValue());
    out.append(digits, result.ptr);
}

void AppendHex(std::string& out, const FormatArg& arg) {
    std::uint64_t value = arg.unsignedValue();
    if (arg.kind() == Kind::kInt32) {
        value = static_cast<std::uint32_t>(arg.signedValue());
    } else if (arg.kind() == Kind::kInt64) {
        value = static_cast<std::uint64_t>(arg.signedValue());
    }
    AppendHexNumber(out, value);
}

void AppendFixed2(std::string& out, double value) {
    char digits[kNumberRoom];
    const auto result =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 2);
    if (result.ec == std::errc()) out.append(digits, result.ptr);
}

// A first guess at the length of the result, so that it is allocated once.
std::size_t EstimatedLength(std::string_view format, std::initializer_list<FormatArg> args) {
    std::size_t length = format.size();
    for (const FormatArg& arg : args) {
        length += arg.kind() == Kind::kText ? arg.text().size() : 20;
    }
    return length;
}

// One directive, as found in the format.
struct Directive {
    std::string_view text;  // from "%" to the conversion letter
    std::size_t offset;     // of the "%" in the format
};

Directive ScanDirective(std::string_view format, std::size_t offset) {
    std::size_t end = offset + 1;
    while (end < format.size() && IsDirectiveModifier(format[end]))
        ++end;
    if (end < format.size()) ++end;  // the conversion letter
    // A stray non-ASCII character is quoted whole in the report.
    while (end < format.size() && (static_cast<unsigned char>(format[end]) & 0xC0) == 0x80)
        ++end;
    return {format.substr(offset, end - offset), offset};
}

// Checks the argument of a directive that takes one; empty when it fits.
std::string ArgumentError(const Directive& directive, std::size_t index,
                          std::initializer_list<FormatArg> args, bool fits(Kind),
                          const char* wanted) {
    if (index >= args.size()) {
        return "directive " + Quoted(directive.text) + AtPosition(directive.offset) +
               " needs argument " + std::to_string(index + 1) + " but only " +
               std::to_string(args.size()) + " given";
    }
    const Kind kind = args.begin()[index].kind();
    if (fits(kind)) return {};
    return "directive " + Quoted(directive.text) + AtPosition(directive.offset) + " needs " +
           wanted + " but argument " + std::to_string(index + 1) + " is " + KindName(kind);
}

}  // namespace

std::string SafeFormat(std::string_view format, std::initializer_list<FormatArg> args) {
    std::string out;
    out.reserve(EstimatedLength(format, args));
    std::size_t next = 0;  // the argument the next directive takes
    std::size_t at = 0;
    while (at < format.size()) {
        const std::size_t percent = format.find('%', at);
        if (percent == std::string_view::npos) {
            out.append(format.substr(at));
            break;
        }
        out.append(format.substr(at, percent - at));
        const Directive directive = ScanDirective(format, percent);
        at = percent + directive.text.size();
        const std::string_view d = directive.text;
        if (d == "%%") {
            out += '%';
            continue;
        }
        std::string error;
        if (d == "%s") {
            error = ArgumentError(
                directive, next, args, [](Kind k) { return k == Kind::kText; }, "text");
            if (error.empty()) out.append(args.begin()[next].text());
        } else if (d == "%d" || d == "%x") {
            error = ArgumentError(directive, next, args, IsInteger, "an integer");
            if (error.empty() && d == "%d") AppendDecimal(out, args.begin()[next]);
            if (error.empty() && d == "%x") AppendHex(out, args.begin()[next]);
        } else if (d == "%.02f") {
            error = ArgumentError(
                directive, next, args, [](Kind k) { return k == Kind::kDouble; },
                "a floating value");
            if (error.empty()) AppendFixed2(out, args.begin()[next].doubleValue());
        } else if (d == "%") {
            error = "a lone \"%\"" + AtPosition(directive.offset) + " ends the format";
        } else if (at == format.size() && IsDirectiveModifier(d.back())) {
            error = "incomplete directive " + Quoted(d) + AtPosition(directive.offset) +
                    " ends the format";
        } else {
            error = "unknown directive " + Quoted(d) + AtPosition(directive.offset) +
                    " (known: %s, %d, %x, %.02f, %%)";
        }
        if (!error.empty()) return ErrorReport(format, error);
        ++next;
    }
    return out;
}

}  // namespace brenx::support
