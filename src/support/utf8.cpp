#include "support/utf8.h"

namespace brenx::support {

namespace {

// The byte length of the character that starts at `at`; a byte that does not
// start a well-formed sequence stands alone.
std::size_t CharacterBytes(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
    }
    if (at + length > text.size()) return 1;
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return 1;
    }
    return length;
}

}  // namespace

std::size_t Utf8PrefixBytes(std::string_view text, std::size_t characters) {
    std::size_t at = 0;
    for (std::size_t n = 0; n < characters && at < text.size(); ++n) {
        at += CharacterBytes(text, at);
    }
    return at;
}

std::size_t Utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); at += CharacterBytes(text, at))
        ++count;
    return count;
}

std::string Utf8Prefix(std::string_view text, std::size_t characters) {
    return std::string(text.substr(0, Utf8PrefixBytes(text, characters)));
}

std::string Utf8DropLast(std::string_view text, std::size_t characters) {
    const std::size_t length = Utf8Length(text);
    if (characters >= length) return {};
    return Utf8Prefix(text, length - characters);
}

}  // namespace brenx::support
