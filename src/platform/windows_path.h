#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/drive_map.h"
#include "platform/host_error.h"

namespace brenx::platform {

// A full Windows path taken apart: a drive root (d:\) or a network root
// (\\server\share), and the names below it, with "." and ".." resolved.
struct WindowsPath {
    char drive = 0;  // the letter as written; 0 for a network path
    std::string server;
    std::string share;
    std::vector<std::string> components;
    bool trailingSeparator = false;  // the name ended with a separator

    bool IsNetwork() const { return drive == 0; }
};

// Makes the full path of a name the way Windows does: "\" and "/" both
// separate, "." and ".." are resolved (never above the root), a relative name
// is taken from `currentDirectory` (a full Windows path), "\name" from the
// root of its drive, "d:name" from the current directory when that is on d:
// and from d:\ otherwise. A name beginning with a single "/" is a host path:
// it is given its Windows name through the drive map first.
// Fails with InvalidName for an empty name, a name with a zero byte, a device
// path (\\.\ or \\?\) and a network path without server or share.
HostError ParseFullPath(std::string_view name, std::string_view currentDirectory,
                        const DriveMap& drives, WindowsPath& path);

// The text of a full path: d:\dir\name or \\server\share\dir\name, with a
// trailing backslash when the path had one (a drive root always has one).
std::string FormatWindowsPath(const WindowsPath& path);

// The host path that a full path names; NoMedia for a drive letter without a
// mapping. A trailing separator is kept, so that a file named with one fails
// as it does on Windows.
HostError HostPathOf(const WindowsPath& path, const DriveMap& drives, std::string& hostPath);

// The names between the separators of a path, empty ones left out; for
// looking at what a path is made of before "." and ".." are resolved.
std::vector<std::string> SplitAtSeparators(std::string_view path);

}  // namespace brenx::platform
