#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "options/ini_text.h"
#include "platform/file_system.h"

namespace brenx::options {

// An initialisation file on disk: the settings file and the window-placement
// file. The text rules (sections, keys, blanks, quotes, comments, duplicates,
// line ends) are those of IniText. On top of them:
//
// - The file is read at the first access and kept; UpdateFile() forgets what
//   was read, so that the next access reads the file again.
// - A missing file reads as an empty one: every read gives its default.
// - A file that exists but cannot be read also gives every default, and is
//   never written over (a write then fails), so that no settings are lost.
// - Only the first kMaxFileBytes bytes of a file are read.
// - Integers are decimal or hexadecimal ("0x" or "$"); anything else gives the
//   default. A flag is an integer, on when it is not 0.
// - A write replaces the key in place or adds it (creating the section or the
//   file when needed) and writes the whole file back at once; every other
//   line stays as it was.
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
};

}  // namespace brenx::options
