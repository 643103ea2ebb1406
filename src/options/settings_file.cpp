#include "options/settings_file.h"

#include "platform/host_reason.h"
#include "platform/program_directory.h"
#include "support/path_names.h"
#include "support/safe_format.h"

namespace brenx::options {

void SettingsFile::ResolvePath() {
    std::string path = name_;
    if (!support::HasPathSyntax(path)) {
        path = platform::CurrentDirectoryWithBackslash(fileSystem_) + path;
    }
    if (!fileSystem_.FileExists(path)) path = InProgramPlaces();
    resolvedPath_ = path;
    resolved_ = true;
}

std::string SettingsFile::InProgramPlaces() {
    std::string first;
    for (const std::string& place : programPlaces_) {
        std::string path = name_;
        support::ResolveProgramRelativeName(path, support::WithTrailingBackslash(place));
        // A name that says where it is (c:x.ini, \x.ini) stays as it is.
        if (path == name_) break;
        inProgramPlace_ = true;
        if (fileSystem_.FileExists(path)) return path;
        if (first.empty()) first = path;
    }
    return first.empty() ? name_ : first;
}

std::string SettingsFile::TroubleOf(TqmrFile& file) const {
    if (!existed_) return {};
    if (const platform::HostError error = file.ReadError(); error != platform::HostError::None) {
        return support::SafeFormat("can't be read (%s)", {platform::HostErrorReason(error)});
    }
    switch (file.Kind()) {
        case TextKind::Utf16:
            return "is UTF-16 text, which the program can't read";
        case TextKind::NotText:
            return "is not text (it holds NUL bytes)";
        case TextKind::Text:
            break;
    }
    if (!file.HasSection(section_)) return support::SafeFormat("has no [%s] section", {section_});
    return {};
}

void SettingsFile::Open() {
    if (file_) return;
    if (!resolved_) ResolvePath();
    existed_ = fileSystem_.FileExists(resolvedPath_);
    file_ = std::make_unique<TqmrFile>(fileSystem_, resolvedPath_);
    trouble_ = TroubleOf(*file_);
    // Whatever keys such a file seems to hold are no settings anyone wrote.
    if (!trouble_.empty()) file_.reset();
}

std::optional<std::string> SettingsFile::ReadValue(const std::string& key) {
    if (!file_) return std::nullopt;
    return file_->Find(section_, key);
}

std::string SettingsFile::ReadRawText(const std::string& key, const std::string& current) {
    if (!file_) return current;
    return file_->ReadString(section_, key, current);
}

std::string SettingsFile::ReadText(const std::string& key, const std::string& current,
                                   bool keepUnset, const support::EnvironmentLookup& environment) {
    if (!file_) return current;
    // Only what the file says is expanded: the current value has been through
    // expansion already, and a second pass would eat its "%" characters.
    const auto value = file_->Find(section_, key);
    if (!value) return current;
    return support::ExpandEnvironmentReferences(*value, keepUnset, environment);
}

bool SettingsFile::ReadFlag(const std::string& key, bool current) {
    return file_ ? file_->ReadBool(section_, key, current) : current;
}

std::int32_t SettingsFile::ReadInteger(const std::string& key, std::int32_t current) {
    return file_ ? file_->ReadInteger(section_, key, current) : current;
}

std::int64_t SettingsFile::ReadBigInteger(const std::string& key, std::int64_t current) {
    if (!file_) return current;
    const auto value = file_->Find(section_, key);
    if (!value) return current;
    const auto parsed = ParseIniInteger(*value);
    return parsed ? static_cast<std::int64_t>(*parsed) : current;
}

}  // namespace brenx::options
