#include "platform/windows_path.h"

#include "support/ascii_case.h"
#include "support/text_primitives.h"

namespace brenx::platform {

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// Splits at separators, keeping empty names (a network root needs to see them).
std::vector<std::string> SplitKeepingEmpty(std::string_view path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i == path.size() || IsSeparator(path[i])) {
            parts.emplace_back(path.substr(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

// Every path the program opens passes here, so the names are taken straight
// from the text, without a list of pieces in between.
void Append(std::vector<std::string>& components, std::string_view relative) {
    std::size_t start = 0;
    for (std::size_t i = 0; i <= relative.size(); ++i) {
        if (i < relative.size() && !IsSeparator(relative[i])) continue;
        const std::string_view part = relative.substr(start, i - start);
        start = i + 1;
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (!components.empty()) components.pop_back();
            continue;
        }
        components.emplace_back(part);
    }
}

HostError ParseNetworkPath(std::string_view name, WindowsPath& path) {
    std::vector<std::string> parts = SplitKeepingEmpty(name.substr(2));
    if (parts.size() < 2) return HostError::InvalidName;
    path.server = parts[0];
    path.share = parts[1];
    for (const std::string* root : {&path.server, &path.share}) {
        if (root->empty() || *root == "." || *root == ".." || *root == "?") {
            return HostError::InvalidName;
        }
    }
    const std::size_t rootLength = 2 + path.server.size() + 1 + path.share.size();
    if (rootLength < name.size()) Append(path.components, name.substr(rootLength));
    return HostError::None;
}

HostError ParseCurrent(std::string_view currentDirectory, const DriveMap& drives,
                       WindowsPath& path) {
    if (currentDirectory.empty() || currentDirectory.front() == '/' ||
        (!IsSeparator(currentDirectory[0]) && currentDirectory.find(':') != 1)) {
        return HostError::PathNotFound;
    }
    return ParseFullPath(currentDirectory, {}, drives, path);
}

HostError ParseHostPath(std::string_view name, const DriveMap& drives, WindowsPath& path) {
    std::string host(name);
    for (char& c : host) {
        if (c == '\\') c = '/';
    }
    const std::string windows = drives.ToWindows(NormalizeHostPath(host));
    if (windows.empty() || windows.front() == '/') return HostError::InvalidName;
    return ParseFullPath(windows, {}, drives, path);
}

}  // namespace

std::vector<std::string> SplitAtSeparators(std::string_view path) {
    std::vector<std::string> parts;
    for (std::string& part : SplitKeepingEmpty(path)) {
        if (!part.empty()) parts.push_back(std::move(part));
    }
    return parts;
}

HostError ParseFullPath(std::string_view name, std::string_view currentDirectory,
                        const DriveMap& drives, WindowsPath& path) {
    if (name.empty() || name.find('\0') != std::string_view::npos) return HostError::InvalidName;
    WindowsPath result;
    result.trailingSeparator = IsSeparator(name.back());
    if (name.size() >= 2 && IsSeparator(name[0]) && IsSeparator(name[1])) {
        if (HostError e = ParseNetworkPath(name, result); e != HostError::None) return e;
    } else if (name[0] == '/') {
        return ParseHostPath(name, drives, path);
    } else if (name.size() >= 2 && support::IsAsciiLetter(name[0]) && name[1] == ':') {
        result.drive = name[0];
        std::string_view rest = name.substr(2);
        if (rest.empty() || !IsSeparator(rest[0])) {
            // Drive-relative: from the current directory when it is on that drive.
            WindowsPath current;
            if (ParseCurrent(currentDirectory, drives, current) == HostError::None &&
                !current.IsNetwork() &&
                support::AsciiLower(current.drive) == support::AsciiLower(name[0])) {
                result.components = current.components;
            }
        }
        Append(result.components, rest);
    } else {
        WindowsPath current;
        if (HostError e = ParseCurrent(currentDirectory, drives, current); e != HostError::None) {
            return e;
        }
        result.drive = current.drive;
        result.server = current.server;
        result.share = current.share;
        if (!IsSeparator(name[0])) result.components = current.components;
        Append(result.components, name);
    }
    path = std::move(result);
    return HostError::None;
}

std::string FormatWindowsPath(const WindowsPath& path) {
    std::string text;
    if (path.IsNetwork()) {
        text = "\\\\" + path.server + "\\" + path.share;
    } else {
        text = std::string(1, path.drive) + ":";
    }
    for (const std::string& component : path.components) {
        text += '\\';
        text += component;
    }
    if (path.trailingSeparator || (!path.IsNetwork() && path.components.empty())) text += '\\';
    return text;
}

HostError HostPathOf(const WindowsPath& path, const DriveMap& drives, std::string& hostPath) {
    std::string host;
    if (path.IsNetwork()) {
        host = drives.UncRoot();
        if (host == "/") host.clear();
        host += "/" + path.server + "/" + path.share;
    } else {
        host = drives.HostDirectory(path.drive);
        if (host.empty()) return HostError::NoMedia;
        if (host == "/") host.clear();
    }
    for (const std::string& component : path.components) {
        host += '/';
        host += component;
    }
    if (host.empty() || path.trailingSeparator) host += '/';
    hostPath = std::move(host);
    return HostError::None;
}

}  // namespace brenx::platform
