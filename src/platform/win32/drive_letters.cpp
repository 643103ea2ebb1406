#include "platform/win32/drive_letters.h"

#include "platform/win32/windows_api.h"

#include "support/ascii_case.h"
#include "support/text_primitives.h"

namespace brenx::platform {
namespace {

int LetterIndex(char letter) {
    const char lower = support::AsciiLower(letter);
    return lower >= 'a' && lower <= 'z' ? lower - 'a' : -1;
}

bool IsFullHostPath(std::string_view path) {
    const bool onDrive = path.size() >= 3 && support::IsAsciiLetter(path[0]) && path[1] == ':' &&
                         (path[2] == '\\' || path[2] == '/');
    const bool onShare = path.size() > 2 && path.substr(0, 2) == "\\\\";
    return onDrive || onShare;
}

}  // namespace

bool DriveLetters::SetDirectory(char letter, std::string_view hostDirectory) {
    const int index = LetterIndex(letter);
    if (index < 0 || (!hostDirectory.empty() && !IsFullHostPath(hostDirectory))) return false;
    std::string directory(hostDirectory);
    for (char& c : directory) {
        if (c == '/') c = '\\';
    }
    while (directory.size() > 2 && directory.back() == '\\')
        directory.pop_back();
    directories_[index] = directory;
    return true;
}

bool DriveLetters::IsMapped(char letter) const {
    const int index = LetterIndex(letter);
    return index >= 0 && !directories_[index].empty();
}

bool DriveLetters::AnyMapped() const {
    for (const std::string& directory : directories_) {
        if (!directory.empty()) return true;
    }
    return false;
}

bool DriveLetters::LetterHolding(std::string_view hostPath, char& letter,
                                 std::size_t& length) const {
    bool found = false;
    for (int index = 0; index < 26; ++index) {
        const std::string& directory = directories_[index];
        if (directory.empty() || directory.size() > hostPath.size()) continue;
        if (hostPath.size() > directory.size() && hostPath[directory.size()] != '\\') continue;
        if (!support::SameTextIgnoringAsciiCase(hostPath.substr(0, directory.size()), directory)) {
            continue;
        }
        if (found && directory.size() <= length) continue;
        letter = static_cast<char>('A' + index);
        length = directory.size();
        found = true;
    }
    return found;
}

HostError DriveLetters::RootOf(char letter, std::string& hostRoot) const {
    const int index = LetterIndex(letter);
    if (index < 0) return HostError::InvalidName;
    if (!directories_[index].empty()) {
        hostRoot = directories_[index];
        return HostError::None;
    }
    if (!HostDriveExists(letter)) return HostError::NoMedia;
    hostRoot = std::string(1, static_cast<char>('A' + index)) + ":";
    return HostError::None;
}

bool HostDriveExists(char letter) {
    const int index = LetterIndex(letter);
    return index >= 0 && (GetLogicalDrives() >> index & 1) != 0;
}

}  // namespace brenx::platform
