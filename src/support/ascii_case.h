#pragma once

#include <string>
#include <string_view>

// Letter case the way the program's names and keys compare: A to Z and a to
// z only. Every other byte, those of multi-byte characters among them, stays
// as it is, so a name never changes length or meaning by being folded.
namespace brenx::support {

constexpr char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string AsciiLower(std::string_view text);

// The same text, ASCII letters compared without regard to case; two empty
// texts are the same.
bool SameTextIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace brenx::support
