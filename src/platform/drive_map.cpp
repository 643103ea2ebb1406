#include "platform/drive_map.h"

#include <algorithm>
#include <vector>

#include "platform/environment.h"
#include "platform/host_real_path.h"
#include "support/ascii_case.h"

namespace brenx::platform {

namespace {

int LetterIndex(char letter) {
    const char lower = support::AsciiLower(letter);
    return lower >= 'a' && lower <= 'z' ? lower - 'a' : -1;
}

std::vector<std::string_view> SplitOn(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(separator, start), text.size());
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::string_view TrimSpaces(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// The directory without its trailing separators ("/" stays "/").
std::string DirectoryForm(std::string_view hostDirectory) {
    std::string normal = NormalizeHostPath(hostDirectory);
    if (normal.size() > 1 && normal.back() == '/') normal.pop_back();
    return normal;
}

// The part of `path` after `prefix`, with "/" separators turned into "\".
std::string WindowsRest(std::string_view path, std::size_t prefixLength) {
    std::string rest(path.substr(prefixLength));
    for (char& c : rest) {
        if (c == '/') c = '\\';
    }
    return rest;
}

// The letter part of an entry: "e", or "e(removable)" or "e(fixed)".
bool ParseLetter(std::string_view text, char& letter, DriveKind& kind) {
    kind = DriveKind::ByPlace;
    const std::size_t open = text.find('(');
    if (open != std::string_view::npos) {
        if (text.back() != ')') return false;
        const std::string mark =
            support::AsciiLower(TrimSpaces(text.substr(open + 1, text.size() - open - 2)));
        if (mark == "removable") {
            kind = DriveKind::Removable;
        } else if (mark == "fixed") {
            kind = DriveKind::Fixed;
        } else {
            return false;
        }
        text = TrimSpaces(text.substr(0, open));
    }
    if (text.size() != 1) return false;
    letter = text[0];
    return true;
}

}  // namespace

bool IsRemovableMediaPlace(std::string_view hostDirectory) {
    for (std::string_view place : {"/media", "/run/media", "/mnt"}) {
        if (hostDirectory.size() > place.size() && IsHostPrefix(place, hostDirectory)) return true;
    }
    return false;
}

std::string NormalizeHostPath(std::string_view hostPath) {
    if (hostPath.empty() || hostPath.front() != '/') return std::string(hostPath);
    std::vector<std::string_view> kept;
    for (std::string_view part : SplitOn(hostPath, '/')) {
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (!kept.empty()) kept.pop_back();
            continue;
        }
        kept.push_back(part);
    }
    std::string normal;
    for (std::string_view part : kept) {
        normal += '/';
        normal += part;
    }
    if (normal.empty() || hostPath.back() == '/') normal += '/';
    if (normal == "//") normal = "/";
    return normal;
}

bool IsHostPrefix(std::string_view prefix, std::string_view path) {
    if (prefix.empty() || path.substr(0, prefix.size()) != prefix) return false;
    return prefix == "/" || path.size() == prefix.size() || path[prefix.size()] == '/';
}

DriveMap::DriveMap() {
    drives_[2] = "/";
    resolved_[2] = "/";
}

DriveMap DriveMap::Parse(std::string_view drives, std::string_view uncRoot) {
    DriveMap map;
    for (std::string_view entry : SplitOn(drives, ';')) {
        entry = TrimSpaces(entry);
        if (entry.empty()) continue;
        const std::size_t equals = entry.find('=');
        char letter = 0;
        DriveKind kind = DriveKind::ByPlace;
        if (equals == std::string_view::npos ||
            !ParseLetter(TrimSpaces(entry.substr(0, equals)), letter, kind) ||
            !map.SetDrive(letter, entry.substr(equals + 1), kind)) {
            map.problems_.emplace_back(entry);
        }
    }
    if (!uncRoot.empty() && !map.SetUncRoot(uncRoot)) map.problems_.emplace_back(uncRoot);
    return map;
}

DriveMap DriveMap::FromEnvironment() {
    return Parse(GetEnvironmentVariable("BRENX_DRIVES"), GetEnvironmentVariable("BRENX_UNC"));
}

bool DriveMap::SetDrive(char letter, std::string_view hostDirectory, DriveKind kind) {
    const int index = LetterIndex(letter);
    if (index < 0) return false;
    if (!hostDirectory.empty() && hostDirectory.front() != '/') return false;
    drives_[index] = hostDirectory.empty() ? std::string() : DirectoryForm(hostDirectory);
    resolved_[index] = drives_[index].empty() ? std::string() : HostRealPath(drives_[index]);
    removable_[index] = kind == DriveKind::Removable ||
                        (kind == DriveKind::ByPlace && IsRemovableMediaPlace(drives_[index]));
    EnsureRootMapped();
    return true;
}

bool DriveMap::SetUncRoot(std::string_view hostDirectory) {
    if (hostDirectory.empty() || hostDirectory.front() != '/') return false;
    uncRoot_ = DirectoryForm(hostDirectory);
    return true;
}

const std::string& DriveMap::HostDirectory(char letter) const {
    static const std::string kNone;
    const int index = LetterIndex(letter);
    return index < 0 ? kNone : drives_[index];
}

bool DriveMap::IsRemovable(char letter) const {
    const int index = LetterIndex(letter);
    return index >= 0 && removable_[index] && !drives_[index].empty();
}

const std::string& DriveMap::RealDirectory(char letter) const {
    static const std::string kNone;
    const int index = LetterIndex(letter);
    return index < 0 ? kNone : resolved_[index];
}

// "/" keeps a letter even when c: was mapped elsewhere: the first free letter
// counting down from z: takes it, as other Windows emulations on Linux do.
void DriveMap::EnsureRootMapped() {
    for (const std::string& directory : drives_) {
        if (directory == "/") return;
    }
    for (int index = 25; index >= 0; --index) {
        if (drives_[index].empty()) {
            drives_[index] = "/";
            resolved_[index] = "/";
            removable_[index] = false;
            return;
        }
    }
}

void DriveMap::ConsiderDrive(std::string_view hostPath, int index, Match& best) const {
    for (const std::string* prefix : {&drives_[index], &resolved_[index]}) {
        if (!IsHostPrefix(*prefix, hostPath)) continue;
        const std::size_t length = *prefix == "/" ? 0 : prefix->size();
        if (best.found && length <= best.length) continue;
        std::string rest = WindowsRest(hostPath, length);
        if (rest.empty() || rest.front() != '\\') rest.insert(0, 1, '\\');
        best = {length, std::string(1, static_cast<char>('A' + index)) + ":" + rest, true};
    }
}

void DriveMap::ConsiderUnc(std::string_view hostPath, Match& best) const {
    if (!IsHostPrefix(uncRoot_, hostPath)) return;
    const std::size_t start = uncRoot_ == "/" ? 0 : uncRoot_.size();
    // Below the root there must be a server and a share.
    const std::size_t server = hostPath.find('/', start + 1);
    if (start >= hostPath.size() || server == std::string_view::npos) return;
    const std::size_t share = std::min(hostPath.find('/', server + 1), hostPath.size());
    if (share == server + 1) return;
    if (best.found && share <= best.length) return;
    best = {
        share,
        "\\\\" + WindowsRest(hostPath.substr(0, share), start + 1) + WindowsRest(hostPath, share),
        true};
}

std::string DriveMap::ToWindows(std::string_view hostPath) const {
    if (hostPath.empty() || hostPath.front() != '/') return {};
    Match best;
    for (int index = 0; index < 26; ++index) {
        if (!drives_[index].empty()) ConsiderDrive(hostPath, index, best);
    }
    ConsiderUnc(hostPath, best);
    return best.windowsRoot;
}

}  // namespace brenx::platform
