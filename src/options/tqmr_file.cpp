#include "options/tqmr_file.h"

#include <algorithm>

namespace brenx::options {

namespace {

bool IsMissing(platform::HostError error) {
    return error == platform::HostError::NotFound || error == platform::HostError::PathNotFound ||
           error == platform::HostError::NoMedia;
}

}  // namespace

void TqmrFile::Load() {
    if (loaded_) return;
    loaded_ = true;
    text_ = IniText();
    readable_ = true;
    readError_ = platform::HostError::None;
    auto file =
        fileSystem_.Open(fileName_, platform::Access::Read, platform::Disposition::OpenExisting);
    if (!file) {
        readable_ = IsMissing(fileSystem_.LastError());
        if (!readable_) readError_ = fileSystem_.LastError();
        return;
    }
    const std::int64_t size = std::min(file->Size(), kMaxFileBytes);
    std::string bytes(static_cast<std::size_t>(std::max<std::int64_t>(size, 0)), '\0');
    const std::int64_t got = bytes.empty() ? 0 : file->Read(bytes.data(), size);
    const platform::HostError readError = file->LastError();
    file->Close();
    if (size < 0 || got < 0) {
        readable_ = false;
        readError_ =
            readError == platform::HostError::None ? platform::HostError::Other : readError;
        return;
    }
    bytes.resize(static_cast<std::size_t>(got));
    text_ = IniText(std::move(bytes));
}

std::optional<std::string> TqmrFile::Find(std::string_view section, std::string_view key) {
    Load();
    return text_.Find(section, key);
}

bool TqmrFile::HasSection(std::string_view section) {
    Load();
    return text_.HasSection(section);
}

TextKind TqmrFile::Kind() {
    Load();
    return KindOfText(text_.Text());
}

platform::HostError TqmrFile::ReadError() {
    Load();
    return readError_;
}

std::string TqmrFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) {
    const auto value = Find(section, key);
    return value ? *value : std::string(defaultValue);
}

std::int32_t TqmrFile::ReadInteger(std::string_view section, std::string_view key,
                                   std::int32_t defaultValue) {
    const auto value = Find(section, key);
    if (!value) return defaultValue;
    return ParseIniInteger(*value).value_or(defaultValue);
}

bool TqmrFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool TqmrFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    Load();
    if (!readable_) return false;
    IniText changed = text_;
    if (!changed.Set(section, key, value)) return false;

    auto file =
        fileSystem_.Open(fileName_, platform::Access::Write, platform::Disposition::CreateAlways);
    if (!file) return false;
    const std::string& bytes = changed.Text();
    const auto size = static_cast<std::int64_t>(bytes.size());
    const bool written = file->Write(bytes.data(), size) == size;
    const bool closed = file->Close();
    // Whatever happened, the file now holds what was attempted or less: read
    // it again next time rather than trust the copy kept here.
    if (!(written && closed)) {
        loaded_ = false;
        return false;
    }
    text_ = std::move(changed);
    return true;
}

bool TqmrFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    return WriteString(section, key, std::to_string(value));
}

bool TqmrFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    return WriteString(section, key, value ? "1" : "0");
}

}  // namespace brenx::options
