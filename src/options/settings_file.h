#pragma once

#include <cstdint>
#include <memory>
#include <string>

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

    SettingsFile(platform::FileSystem& fileSystem, std::string programDirectory)
        : fileSystem_(fileSystem), programDirectory_(std::move(programDirectory)) {}

    // The name and section (switches -i and -e) before the file is opened.
    void SetName(std::string name) { name_ = std::move(name); }
    void SetSection(std::string section) { section_ = std::move(section); }
    const std::string& Name() const { return name_; }
    const std::string& Section() const { return section_; }

    // Resolves the path (the first time only) and opens the file. A missing
    // file opens too: its keys read as their defaults.
    void Open();
    void Close() { file_.reset(); }
    bool IsOpen() const { return file_ != nullptr; }

    // Empty until the file is first opened.
    const std::string& ResolvedPath() const { return resolvedPath_; }
    // Whether a file was there when it was opened.
    bool Existed() const { return existed_; }

    // The key's value, or `current` when the file has no such key. A value
    // read from the file has its %NAME% references expanded, references to
    // unset variables kept or dropped as `keepUnset` says.
    std::string ReadText(const std::string& key, const std::string& current, bool keepUnset,
                         const support::EnvironmentLookup& environment);
    // The key's value as it stands, or `current`.
    std::string ReadRawText(const std::string& key, const std::string& current);
    bool ReadFlag(const std::string& key, bool current);
    std::int32_t ReadInteger(const std::string& key, std::int32_t current);
    // A 32-bit value in the file, sign-extended; `current` when missing or bad.
    std::int64_t ReadBigInteger(const std::string& key, std::int64_t current);

  private:
    void ResolvePath();

    platform::FileSystem& fileSystem_;
    std::string programDirectory_;
    std::string name_ = kDefaultName;
    std::string section_ = kDefaultSection;
    std::string resolvedPath_;
    bool resolved_ = false;
    bool existed_ = false;
    std::unique_ptr<TqmrFile> file_;
};

}  // namespace brenx::options
