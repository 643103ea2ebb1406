#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "options/ini_text.h"
#include "platform/file_system.h"

namespace brenx::options {

// An initialisation file on disk: the settings file and the window-placement
// file, read and written the way the Windows private-profile functions do it.
//
// The text:
// - Lines end at LF, CR LF or a lone CR. A UTF-8 byte-order mark at the start
//   of the text is skipped.
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
//   text. New lines take the line end of the text's first line (CR LF for a
//   text without one). Every other line stays exactly as it was.
//
// The file:
// - The file is read at the first access and kept; UpdateFile() forgets what
//   was read, so that the next access reads the file again.
// - A missing file reads as an empty one: every read gives its default.
// - A file that exists but cannot be read also gives every default, and is
//   never written over (a write then fails), so that no settings are lost.
// - Only the first kMaxFileBytes bytes of a file are read.
// - Integers are decimal or hexadecimal ("0x" or "$"); anything else gives the
//   default. A flag is an integer, on when it is not 0.
// - A write writes the whole file back at once.
class TqmrFile {
  public:
    static constexpr std::int64_t kMaxFileBytes = 16 * 1024 * 1024;

    TqmrFile(platform::FileSystem& fileSystem, std::string fileName)
        : fileSystem_(fileSystem), fileName_(std::move(fileName)) {}

    const std::string& FileName() const { return fileName_; }

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue);
    std::int32_t ReadInteger(std::string_view section, std::string_view key,
                             std::int32_t defaultValue);
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue);
    // The value as written, or nothing when the section or key is missing.
    std::optional<std::string> Find(std::string_view section, std::string_view key);
    bool HasSection(std::string_view section);
    // What the file holds (Text for a missing or unreadable one).
    TextKind Kind();
    // Why a file that is there could not be read; None when it was read or
    // is missing.
    platform::HostError ReadError();

    // False when the file could not be written (or was unreadable, see above).
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    bool WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    bool WriteBool(std::string_view section, std::string_view key, bool value);

    // Forgets the text read, so that changes made by others are seen.
    void UpdateFile() { loaded_ = false; }

  private:
    void Load();

    platform::FileSystem& fileSystem_;
    std::string fileName_;
    IniText text_;
    bool loaded_ = false;
    bool readable_ = true;
    platform::HostError readError_ = platform::HostError::None;
};

}  // namespace brenx::options
