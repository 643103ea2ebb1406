#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brenx::options {

// The text of an initialisation file (sections of key=value lines), read and
// edited the way the Windows private-profile functions do it. The rules:
//
// - Lines end at LF; a CR before the LF belongs to the line end. A lone CR
//   inside a line is an ordinary (blank) character. A UTF-8 byte-order mark at
//   the start of the text is skipped.
// - Blanks are space, tab, CR, vertical tab, form feed and the DOS end-of-file
//   character (0x1A). Blanks around a section name, a key and a value are not
//   part of them.
// - A line whose first non-blank character is "[" and that has a "]" after it
//   opens a section; its name is the text between "[" and the first "]",
//   without blanks around it. Whatever follows the "]" is ignored.
// - A line whose first non-blank character is ";" is a comment.
// - Any other line with an "=" is a key line: the key is the text before the
//   first "=", the value everything after it. There are no comments at the end
//   of a value: "recurse=1 ; on" has the value "1 ; on".
// - A value enclosed in a matching pair of double or single quotes loses them.
// - Lines without "=", and every line before the first section, are kept as
//   they are but never read.
// - Section and key names are compared without regard to the case of ASCII
//   letters. When a section or a key appears more than once, the first key
//   line that matches wins (keys of a repeated section are found too).
// - A value is read up to 2,047 characters.
// - Writing a key replaces the first matching key line in place (keeping the
//   key as it was written and the line's own line end) or, when there is
//   none, adds "key=value" after the last non-blank line of the first
//   matching section, or adds the section with the key at the end of the
//   text. New lines take the line end of the text's first line (CR LF for an
//   empty text). Every other line stays exactly as it was.
class IniText {
  public:
    static constexpr std::size_t kValueCharacters = 2047;

    IniText() = default;
    explicit IniText(std::string text) : text_(std::move(text)) {}

    // The value of the key, or nothing when the section or the key is missing.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;

    // Replaces or adds the key. False (and the text unchanged) when the names or
    // the value cannot stand in the file: an empty key, a key with "=" or
    // starting with "[" or ";", a section name with "]", or any line break.
    bool Set(std::string_view section, std::string_view key, std::string_view value);

    const std::string& Text() const { return text_; }

  private:
    std::string text_;
};

// An integer as the settings file holds it: an optional sign, then decimal
// digits, or hexadecimal digits after "0x", "0X" or "$" (up to eight of them,
// read as a 32-bit pattern). Blanks around it are allowed; anything else, or a
// decimal value outside the 32-bit range, gives nothing.
std::optional<std::int32_t> ParseIniInteger(std::string_view text);

}  // namespace brenx::options
