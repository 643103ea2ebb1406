#include "platform/posix/posix_file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>

#include "platform/host_names.h"
#include "platform/posix/errno_error.h"
#include "platform/posix/posix_directory_search.h"
#include "platform/wildcard.h"

namespace brenx::platform {

namespace {

// True when the path is complete without the current directory.
bool IsAbsoluteName(const std::string& path) {
    auto separator = [](char c) { return c == '\\' || c == '/'; };
    if (!path.empty() && path[0] == '/') return true;
    if (path.size() >= 2 && separator(path[0]) && separator(path[1])) return true;
    return path.size() >= 3 && path[1] == ':' && separator(path[2]);
}

std::string ParentOf(std::string host) {
    while (host.size() > 1 && host.back() == '/')
        host.pop_back();
    const std::size_t slash = host.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : host.substr(0, slash);
}

// Whether the directory's own listing shows the entry to be no directory
// and no link (which may lead to one).
bool ListedAsNoDirectory(const dirent& item) {
    return item.d_type != DT_UNKNOWN && item.d_type != DT_DIR && item.d_type != DT_LNK;
}

// The names of a directory, "." and ".." first unless it is a drive root;
// with `directoriesOnly`, without the entries listed as something else.
bool ReadNames(const std::string& host, bool isRoot, bool directoriesOnly,
               std::vector<ListedName>& names) {
    DIR* directory = opendir(host.c_str());
    if (directory == nullptr) return false;
    if (!isRoot) names = {{".", DT_DIR}, {"..", DT_DIR}};
    errno = 0;
    while (const dirent* item = readdir(directory)) {
        std::string name = item->d_name;
        if (name == "." || name == "..") continue;
        if (directoriesOnly && ListedAsNoDirectory(*item)) continue;
        names.push_back({std::move(name), item->d_type});
    }
    const int error = errno;
    closedir(directory);
    errno = error;
    return error == 0;
}

}  // namespace

PosixFileSystem::PosixFileSystem(DriveMap drives, std::shared_ptr<MountPoints> mounts)
    : drives_(std::move(drives)), mounts_(std::move(mounts)) {
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length > 0) programHostPath_.assign(buffer, static_cast<std::size_t>(length));
    const char* here = getcwd(buffer, sizeof buffer);
    currentName_ = drives_.ToWindows(here != nullptr ? here : "/");
    if (currentName_.size() > 3 && currentName_.back() == '\\' && currentName_.find("\\\\") != 0) {
        currentName_.pop_back();
    }
}

HostError PosixFileSystem::MediaOf(char letter) {
    if (!drives_.IsRemovable(letter)) return HostError::None;
    std::string real = drives_.RealDirectory(letter);
    if (real.empty()) {
        char buffer[PATH_MAX];
        if (realpath(drives_.HostDirectory(letter).c_str(), buffer) == nullptr) {
            return HostError::NoMedia;
        }
        real = buffer;
    }
    if (!mounts_) mounts_ = std::make_shared<HostMountPoints>();
    return mounts_->IsMountPoint(real) ? HostError::None : HostError::NoMedia;
}

HostError PosixFileSystem::ErrorOf(int errnoValue, const std::string& host) {
    if (errnoValue != ENOENT) return HostErrorFromErrno(errnoValue);
    struct stat parent {};
    // A directory that is there, inside the drive's own directory, lies on a
    // drive that is there (one call for the usual missing file).
    const std::string above = ParentOf(host);
    std::string root = resolvedRoot_;
    while (root.size() > 1 && root.back() == '/')
        root.pop_back();
    const bool inDrive = above.size() >= root.size();
    if (inDrive && stat(above.c_str(), &parent) == 0 && S_ISDIR(parent.st_mode)) {
        return HostError::NotFound;
    }
    // A drive whose directory is not there (a stick that is not mounted) has no media.
    if (!resolvedRoot_.empty() && stat(resolvedRoot_.c_str(), &parent) != 0) {
        return HostError::NoMedia;
    }
    return HostError::PathNotFound;
}

bool PosixFileSystem::FailErrno(int errnoValue, const std::string& host) {
    SetLastError(ErrorOf(errnoValue, host));
    return false;
}

bool PosixFileSystem::FailCreating(int errnoValue, const std::string& host) {
    const HostError error = ErrorOf(errnoValue, host);
    const bool refused = error == HostError::NotFound || errnoValue == EINVAL;
    SetLastError(refused ? HostError::InvalidName : error);
    return false;
}

HostError PosixFileSystem::ResolveWindows(const std::string& path, WindowsPath& windows) {
    if (!escapingNames_.empty()) {
        const std::vector<std::string> raw = SplitAtSeparators(path);
        for (const std::vector<std::string>& pieces : escapingNames_) {
            if (ContainsSequence(raw, pieces)) return HostError::InvalidName;
        }
    }
    const std::string current = IsAbsoluteName(path) ? std::string() : CurrentDirectory();
    return ParseFullPath(path, current, drives_, windows);
}

HostError PosixFileSystem::Resolve(const std::string& path, WindowsPath& windows,
                                   std::string& host) {
    if (HostError e = ResolveWindows(path, windows); e != HostError::None) return e;
    if (!windows.IsNetwork()) {
        if (HostError e = MediaOf(windows.drive); e != HostError::None) return e;
    }
    WindowsPath root;
    root.drive = windows.drive;
    root.server = windows.server;
    root.share = windows.share;
    HostPathOf(root, drives_, resolvedRoot_);
    return HostPathOf(windows, drives_, host);
}

// The host path of a full drive path with nothing to resolve in it
// (d:\dir\name: one backslash between names, none of them "." or ".."), the
// kind every file of a copy is opened by: the names are copied as they are,
// without taking the path apart. False for anything else.
bool PosixFileSystem::ResolvePlainDrivePath(const std::string& path, std::string& host) {
    if (!escapingNames_.empty() || path.size() < 4 || path[1] != ':' || path[2] != '\\') {
        return false;
    }
    const std::string_view names = std::string_view(path).substr(3);
    if (names.find('/') != std::string_view::npos || names.find('\0') != std::string_view::npos) {
        return false;
    }
    for (std::size_t start = 0; start < names.size();) {
        const std::size_t end = std::min(names.find('\\', start), names.size());
        const std::string_view name = names.substr(start, end - start);
        if (name.empty() || name == "." || name == "..") return false;
        start = end + 1;
    }
    const std::string& directory = drives_.HostDirectory(path[0]);
    if (directory.empty() || drives_.IsRemovable(path[0])) {
        if (directory.empty() || MediaOf(path[0]) != HostError::None) return false;
    }
    resolvedRoot_ = directory;
    host.reserve(directory.size() + path.size());
    host.assign(directory == "/" ? std::string_view() : std::string_view(directory));
    host += '/';
    const std::size_t start = host.size();
    host.append(names);
    std::replace(host.begin() + static_cast<std::ptrdiff_t>(start), host.end(), '\\', '/');
    return true;
}

HostError PosixFileSystem::Resolve(const std::string& path, std::string& host) {
    if (ResolvePlainDrivePath(path, host)) return HostError::None;
    WindowsPath windows;
    return Resolve(path, windows, host);
}

void PosixFileSystem::RememberEscapingName(const std::string& name) {
    std::vector<std::string> pieces = EscapingPieces(name);
    if (pieces.empty()) return;
    for (const std::vector<std::string>& known : escapingNames_) {
        if (known == pieces) return;
    }
    escapingNames_.push_back(std::move(pieces));
}

std::unique_ptr<DirectorySearch> PosixFileSystem::FindFirst(const std::string& pattern,
                                                            std::uint32_t attributeFilter) {
    return Search(pattern, attributeFilter, {false, true});
}

std::unique_ptr<DirectorySearch> PosixFileSystem::FindFirstWithoutArchive(
    const std::string& pattern, std::uint32_t attributeFilter) {
    return Search(pattern, attributeFilter, {false, false});
}

std::unique_ptr<DirectorySearch> PosixFileSystem::FindSubdirectories(
    const std::string& pattern, std::uint32_t attributeFilter) {
    return Search(pattern, attributeFilter, {true, true});
}

std::unique_ptr<DirectorySearch> PosixFileSystem::Search(const std::string& pattern,
                                                         std::uint32_t attributeFilter,
                                                         SearchScope scope) {
    WindowsPath windows;
    HostError error = ResolveWindows(pattern, windows);
    if (error == HostError::None && (windows.components.empty() || windows.trailingSeparator)) {
        error = HostError::NotFound;
    }
    if (error != HostError::None) return Fail(error, nullptr);
    if (!windows.IsNetwork()) {
        if (HostError e = MediaOf(windows.drive); e != HostError::None) return Fail(e, nullptr);
    }
    const std::string namePattern = windows.components.back();
    windows.components.pop_back();
    std::string directory;
    if (HostError e = HostPathOf(windows, drives_, directory); e != HostError::None) {
        return Fail(e, nullptr);
    }
    std::vector<ListedName> all;
    if (!ReadNames(directory, windows.components.empty(), scope.directoriesOnly, all)) {
        const HostError e = ErrorOf(errno, directory);
        return Fail(e == HostError::NotFound ? HostError::PathNotFound : e, nullptr);
    }
    std::vector<ListedName> matching;
    for (ListedName& listed : all) {
        RememberEscapingName(listed.name);
        if (MatchesWildcard(listed.name, namePattern)) matching.push_back(std::move(listed));
    }
    auto search = std::make_unique<PosixDirectorySearch>(
        directory, std::move(matching), attributeFilter, recentFiles_, scope.withArchive);
    // Like a Windows search, one that finds nothing is a failure.
    if (!search->Prime()) return Fail(HostError::NotFound, nullptr);
    SetLastError(HostError::None);
    return search;
}

// The directory is looked at, not entered: the process stays where it is.
bool PosixFileSystem::SetCurrentDirectory(const std::string& path) {
    WindowsPath windows;
    std::string host;
    if (HostError e = Resolve(path, windows, host); e != HostError::None) return Fail(e, false);
    volumes_.ForgetDirectories();
    struct stat status {};
    if (stat(host.c_str(), &status) != 0) {
        return Fail(errno == ENOTDIR ? HostError::PathNotFound : ErrorOf(errno, host), false);
    }
    if (!S_ISDIR(status.st_mode)) return Fail(HostError::PathNotFound, false);
    if (access(host.c_str(), X_OK) != 0) return FailErrno(errno, host);
    windows.trailingSeparator = windows.IsNetwork() && windows.components.empty();
    currentName_ = FormatWindowsPath(windows);
    SetLastError(HostError::None);
    return true;
}

std::string PosixFileSystem::CurrentDirectory() {
    SetLastError(HostError::None);
    return currentName_;
}

bool PosixFileSystem::WorkingDirectoryForPrograms(std::string& hostPath) {
    std::string host;
    if (HostError e = Resolve(currentName_, host); e != HostError::None) return Fail(e, false);
    struct stat status {};
    if (stat(host.c_str(), &status) != 0) return FailErrno(errno, host);
    if (!S_ISDIR(status.st_mode)) return Fail(HostError::PathNotFound, false);
    hostPath = std::move(host);
    SetLastError(HostError::None);
    return true;
}

void PosixFileSystem::ReleaseMedia() {
    openHandles_->LetAllGo();
    volumes_.ForgetDirectories();
    chain_.Close();
}

bool PosixFileSystem::CreateDirectory(const std::string& path) {
    std::string host;
    if (HostError e = Resolve(path, host); e != HostError::None) return Fail(e, false);
    volumes_.ForgetDirectories();
    if (mkdir(host.c_str(), 0777) != 0) return FailCreating(errno, host);
    SetLastError(HostError::None);
    return true;
}

std::int64_t PosixFileSystem::FreeBytesAvailable(const std::string& path) {
    std::string host;
    if (HostError e = Resolve(path, host); e != HostError::None) return Fail(e, std::int64_t{-1});
    struct statvfs info {};
    if (statvfs(host.c_str(), &info) != 0) {
        FailErrno(errno, host);
        return -1;
    }
    SetLastError(HostError::None);
    if (info.f_blocks == 0) return kUntoldFreeSpace;
    const unsigned __int128 bytes = static_cast<unsigned __int128>(info.f_bavail) *
                                    static_cast<unsigned __int128>(info.f_frsize);
    return bytes > INT64_MAX ? INT64_MAX : static_cast<std::int64_t>(bytes);
}

bool PosixFileSystem::FlushVolume(const std::string& path) {
    // Other media may follow a flush (it comes before every media question).
    volumes_.ForgetDirectories();
    std::string host;
    if (HostError e = Resolve(path, host); e != HostError::None) return Fail(e, false);
    struct stat status {};
    if (stat(host.c_str(), &status) != 0) return FailErrno(errno, host);
    if (!S_ISDIR(status.st_mode) && !S_ISREG(status.st_mode)) {
        return Fail(HostError::AccessDenied, false);
    }
    const int fd = open(host.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return FailErrno(errno, host);
    const bool synced = syncfs(fd) == 0;
    const int error = errno;
    close(fd);
    if (!synced) return Fail(HostErrorFromErrno(error), false);
    SetLastError(HostError::None);
    return true;
}

bool PosixFileSystem::FullPathName(const std::string& name, std::string& fullPath) {
    WindowsPath windows;
    if (HostError e = ResolveWindows(name, windows); e != HostError::None) return Fail(e, false);
    fullPath = FormatWindowsPath(windows);
    SetLastError(HostError::None);
    return true;
}

bool PosixFileSystem::ShortPathName(const std::string& path, std::string& shortPath) {
    std::string host;
    if (HostError e = Resolve(path, host); e != HostError::None) return Fail(e, false);
    struct stat status {};
    if (lstat(host.c_str(), &status) != 0) return FailErrno(errno, host);
    shortPath = path;
    SetLastError(HostError::None);
    return true;
}

bool PosixFileSystem::FileExists(const std::string& path) {
    std::string host;
    if (HostError e = Resolve(path, host); e != HostError::None) return Fail(e, false);
    struct stat status {};
    if (stat(host.c_str(), &status) != 0) return FailErrno(errno, host);
    if (S_ISDIR(status.st_mode)) return Fail(HostError::NotFound, false);
    SetLastError(HostError::None);
    return true;
}

bool PosixFileSystem::SameEntry(const std::string& first, const std::string& second) {
    struct stat a {
    }, b{};
    for (const auto& [path, status] : {std::pair{&first, &a}, std::pair{&second, &b}}) {
        std::string host;
        if (HostError e = Resolve(*path, host); e != HostError::None) return Fail(e, false);
        if (stat(host.c_str(), status) != 0) return FailErrno(errno, host);
    }
    SetLastError(HostError::None);
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

std::string PosixFileSystem::ProgramPath() {
    if (programHostPath_.empty()) return Fail(HostError::NotFound, std::string());
    SetLastError(HostError::None);
    return drives_.ToWindows(programHostPath_);
}

bool PosixFileSystem::HostPath(const std::string& path, std::string& hostPath) {
    std::string host;
    if (HostError e = Resolve(path, host); e != HostError::None) return Fail(e, false);
    hostPath = std::move(host);
    SetLastError(HostError::None);
    return true;
}

void MoveProcessToRoot() {
    if (chdir("/") != 0) return;  // "/" is always there; nothing else to do
}

}  // namespace brenx::platform
