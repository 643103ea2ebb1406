#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brenx::options {

// The text of an initialisation file (sections of key=value lines), read and
// edited the way the Windows private-profile functions do it. The rules are
// listed with TqmrFile (options/tqmr_file.h), the file class built on it.
class IniText {
  public:
    static constexpr std::size_t kValueCharacters = 2047;

    IniText() = default;
    explicit IniText(std::string text) : text_(std::move(text)) {}

    // The value of the key, or nothing when the section or the key is missing.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;
    // Whether a line opens the section.
    bool HasSection(std::string_view section) const;

    // Replaces or adds the key. False (and the text unchanged) when the names or
    // the value cannot stand in the file: an empty key, a key with "=" or
    // starting with "[" or ";", a key or section name with blanks around it, a
    // section name with "]", or any line break.
    bool Set(std::string_view section, std::string_view key, std::string_view value);

    const std::string& Text() const { return text_; }

  private:
    std::string text_;
};

// What bytes read from an initialisation file are: text, UTF-16 text (a
// byte-order mark FF FE or FE FF first), which the profile rules cannot read,
// or no text at all (NUL bytes in it).
enum class TextKind { Text, Utf16, NotText };
TextKind KindOfText(std::string_view bytes);

// An integer as the settings file holds it: an optional sign, then decimal
// digits, or hexadecimal digits after "0x", "0X" or "$" (up to eight of them,
// read as a 32-bit pattern). Blanks around it are allowed; anything else, or a
// decimal value outside the 32-bit range, gives nothing.
std::optional<std::int32_t> ParseIniInteger(std::string_view text);

}  // namespace brenx::options
