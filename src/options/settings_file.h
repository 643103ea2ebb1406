#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "options/tqmr_file.h"
#include "platform/file_system.h"
#include "support/environment_references.h"

namespace brenx::options {

// The settings file of a run (brenx.ini by default, section "brenx"): where it
// is, whether it existed, and the typed reads the option load makes. Opened
// once, during the option load, and closed before the first job.
class SettingsFile {
  public:
    static constexpr const char* kDefaultName = "brenx.ini";
    static constexpr const char* kDefaultSection = "brenx";

    // `programPlaces`: where the file is looked for when it is not in the
    // current directory, in order (the program's directory, or the host's
    // places for settings).
    SettingsFile(platform::FileSystem& fileSystem, std::vector<std::string> programPlaces)
        : fileSystem_(fileSystem), programPlaces_(std::move(programPlaces)) {}

    // The name and section (switches -i and -e) before the file is opened.
    void SetName(std::string name) { name_ = std::move(name); }
    void SetSection(std::string section) { section_ = std::move(section); }
    const std::string& Name() const { return name_; }
    const std::string& Section() const { return section_; }

    // Resolves the path (the first time only) and opens the file. A missing
    // file opens too: its keys read as their defaults. So does a file in
    // trouble (see Trouble), which is not read at all.
    void Open();
    void Close() { file_.reset(); }
    bool IsOpen() const { return file_ != nullptr; }

    // Empty until the file is first opened.
    const std::string& ResolvedPath() const { return resolvedPath_; }
    // Whether a file was there when it was opened.
    bool Existed() const { return existed_; }
    // The resolved path lies in one of the program's places, not in the
    // current directory or where the name itself says.
    bool InProgramPlace() const { return inProgramPlace_; }
    // What keeps a file that is there from giving any settings, in words that
    // follow "it": it cannot be read, is UTF-16 or no text at all, or has no
    // section of the profile ("has no [brenx] section"). Empty when nothing
    // does, or when there is no file (which is no trouble).
    const std::string& Trouble() const { return trouble_; }

    // The key's value, or `current` when the file has no such key. A value
    // read from the file has its %NAME% references expanded, references to
    // unset variables kept or dropped as `keepUnset` says.
    std::string ReadText(const std::string& key, const std::string& current, bool keepUnset,
                         const support::EnvironmentLookup& environment);
    // The key's value as it stands; nothing when the file has no such key.
    std::optional<std::string> ReadValue(const std::string& key);
    // The key's value as it stands, or `current`.
    std::string ReadRawText(const std::string& key, const std::string& current);
    bool ReadFlag(const std::string& key, bool current);
    std::int32_t ReadInteger(const std::string& key, std::int32_t current);
    // A 32-bit value in the file, sign-extended; `current` when missing or bad.
    std::int64_t ReadBigInteger(const std::string& key, std::int64_t current);

  private:
    void ResolvePath();
    // The name in the first of the program's places that holds it, else in
    // the first place.
    std::string InProgramPlaces();
    std::string TroubleOf(TqmrFile& file) const;

    platform::FileSystem& fileSystem_;
    std::vector<std::string> programPlaces_;
    std::string name_ = kDefaultName;
    std::string section_ = kDefaultSection;
    std::string resolvedPath_;
    bool resolved_ = false;
    bool existed_ = false;
    bool inProgramPlace_ = false;
    std::string trouble_;
    std::unique_ptr<TqmrFile> file_;
};

}  // namespace brenx::options
