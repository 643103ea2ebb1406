#include "platform/win32/win32_file_system.h"

#include <algorithm>
#include <vector>

#include "platform/win32/long_path.h"
#include "platform/win32/win32_error.h"
#include "platform/win32/win32_file_handle.h"

namespace brenx::platform {
namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// True when the path is complete without the current directory.
bool IsAbsoluteName(const std::string& path) {
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) return true;
    return path.size() >= 3 && path[1] == ':' && IsSeparator(path[2]);
}

// The current directory's name: no trailing backslash except at a drive root.
std::string DirectoryName(WindowsPath windows) {
    windows.trailingSeparator = windows.IsNetwork() && windows.components.empty();
    return FormatWindowsPath(windows);
}

std::string HostCurrentDirectory() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
        if (length == 0) return {};
        if (length < buffer.size()) return HostPathFromWide(std::wstring(buffer.data(), length));
        buffer.resize(length + 1);
    }
}

// The names of a host path's components, separators and empty parts left out.
std::vector<std::string> Components(const std::string& hostPath) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= hostPath.size()) {
        const std::size_t end = std::min(hostPath.find('\\', start), hostPath.size());
        if (end > start) parts.push_back(hostPath.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::string HostProgramPath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return HostPathFromWide(std::wstring(buffer.data(), length));
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

std::uint32_t AttributesOfHost(DWORD hostAttributes) {
    std::uint32_t attributes = hostAttributes & (kAttrReadOnly | kAttrHidden | kAttrSystem |
                                                 kAttrDirectory | kAttrArchive);
    if ((hostAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
        (hostAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        attributes |= kAttrSystem;
    }
    return attributes;
}

Win32FileSystem::Win32FileSystem(DriveLetters letters)
    : letters_(std::move(letters)), programPath_(HostProgramPath()) {
    WindowsPath windows;
    const std::string here = HostCurrentDirectory();
    if (ParseFullPath(here, {}, DriveMap(), windows) == HostError::None) {
        currentName_ = DirectoryName(windows);
    }
}

bool Win32FileSystem::FailLast() {
    const HostError error = HostErrorFromWin32(::GetLastError());
    SetLastError(error == HostError::None ? HostError::Other : error);
    return false;
}

HostError Win32FileSystem::ResolveWindows(const std::string& path, WindowsPath& windows) const {
    // A name with one leading slash starts at the root of the current drive,
    // as on Windows; it is no host path here.
    std::string name = path;
    if (!name.empty() && name[0] == '/' && (name.size() == 1 || !IsSeparator(name[1]))) {
        name[0] = '\\';
    }
    const std::string current = IsAbsoluteName(name) ? std::string() : currentName_;
    if (HostError e = ParseFullPath(name, current, DriveMap(), windows); e != HostError::None) {
        return e;
    }
    NameByMappedLetter(windows);
    return HostError::None;
}

// A host path that lies in a directory given a letter is named by the
// letter, as the program names the places of its drives.
void Win32FileSystem::NameByMappedLetter(WindowsPath& windows) const {
    if (!letters_.AnyMapped() || (!windows.IsNetwork() && letters_.IsMapped(windows.drive))) {
        return;
    }
    WindowsPath whole = windows;
    whole.trailingSeparator = false;
    std::string host = FormatWindowsPath(whole);
    if (host.size() == 3 && host[1] == ':') host.pop_back();
    char letter = 0;
    std::size_t length = 0;
    if (!letters_.LetterHolding(host, letter, length)) return;
    WindowsPath named;
    const std::string rest = host.substr(length);
    if (ParseFullPath(std::string(1, letter) + ":\\" + rest, {}, DriveMap(), named) ==
        HostError::None) {
        named.trailingSeparator = windows.trailingSeparator;
        windows = std::move(named);
    }
}

HostError Win32FileSystem::HostOf(const WindowsPath& windows, std::string& host) const {
    if (windows.IsNetwork()) {
        host = "\\\\" + windows.server + "\\" + windows.share;
    } else if (HostError e = letters_.RootOf(windows.drive, host); e != HostError::None) {
        return e;
    }
    for (const std::string& component : windows.components) {
        host += '\\';
        host += component;
    }
    if (windows.components.empty() || windows.trailingSeparator) host += '\\';
    return HostError::None;
}

HostError Win32FileSystem::Resolve(const std::string& path, Resolved& resolved) const {
    if (HostError e = ResolveWindows(path, resolved.windows); e != HostError::None) return e;
    if (HostError e = HostOf(resolved.windows, resolved.host); e != HostError::None) return e;
    resolved.wide = LongPathOf(resolved.host);
    return resolved.wide.empty() ? HostError::InvalidName : HostError::None;
}

bool Win32FileSystem::SetCurrentDirectory(const std::string& path) {
    Resolved resolved;
    if (HostError e = Resolve(path, resolved); e != HostError::None) return Fail(e, false);
    const DWORD attributes = GetFileAttributesW(resolved.wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD code = ::GetLastError();
        return Fail(
            code == ERROR_FILE_NOT_FOUND ? HostError::PathNotFound : HostErrorFromWin32(code),
            false);
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return Fail(HostError::PathNotFound, false);
    currentName_ = DirectoryName(resolved.windows);
    SetLastError(HostError::None);
    return true;
}

std::string Win32FileSystem::CurrentDirectory() {
    SetLastError(currentName_.empty() ? HostError::PathNotFound : HostError::None);
    return currentName_;
}

bool Win32FileSystem::WorkingDirectoryForPrograms(std::string& hostPath) {
    Resolved resolved;
    if (HostError e = Resolve(currentName_, resolved); e != HostError::None) return Fail(e, false);
    const DWORD attributes = GetFileAttributesW(resolved.wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return FailLast();
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return Fail(HostError::PathNotFound, false);
    hostPath = resolved.host;
    SetLastError(HostError::None);
    return true;
}

bool Win32FileSystem::CreateDirectory(const std::string& path) {
    Resolved resolved;
    if (HostError e = Resolve(path, resolved); e != HostError::None) return Fail(e, false);
    if (!CreateDirectoryW(resolved.wide.c_str(), nullptr)) return FailLast();
    SetLastError(HostError::None);
    return true;
}

bool Win32FileSystem::FullPathName(const std::string& name, std::string& fullPath) {
    WindowsPath windows;
    if (HostError e = ResolveWindows(name, windows); e != HostError::None) return Fail(e, false);
    fullPath = FormatWindowsPath(windows);
    SetLastError(HostError::None);
    return true;
}

// The host's short name of each component below the root, where the volume
// keeps one (a volume may keep none, and then the long names stand). The root
// stays as the program named it, so a mapped letter keeps its letter.
bool Win32FileSystem::ShortPathName(const std::string& path, std::string& shortPath) {
    Resolved resolved;
    if (HostError e = Resolve(path, resolved); e != HostError::None) return Fail(e, false);
    std::wstring shortWide(resolved.wide.size() + 1, L'\0');
    for (;;) {
        const DWORD length = GetShortPathNameW(resolved.wide.c_str(), shortWide.data(),
                                               static_cast<DWORD>(shortWide.size()));
        if (length == 0) return FailLast();
        if (length < shortWide.size()) {
            shortWide.resize(length);
            break;
        }
        shortWide.resize(length);
    }
    const std::vector<std::string> shortParts = Components(HostPathFromWide(shortWide));
    std::vector<std::string>& parts = resolved.windows.components;
    if (shortParts.size() < parts.size()) return Fail(HostError::InvalidName, false);
    std::copy(shortParts.end() - static_cast<std::ptrdiff_t>(parts.size()), shortParts.end(),
              parts.begin());
    shortPath = FormatWindowsPath(resolved.windows);
    SetLastError(HostError::None);
    return true;
}

bool Win32FileSystem::FileExists(const std::string& path) {
    Resolved resolved;
    if (HostError e = Resolve(path, resolved); e != HostError::None) return Fail(e, false);
    const DWORD attributes = GetFileAttributesW(resolved.wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return FailLast();
    SetLastError(HostError::None);
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32FileSystem::SameEntry(const std::string& first, const std::string& second) {
    FileIdentity identities[2];
    const std::string* paths[2] = {&first, &second};
    for (int i = 0; i < 2; ++i) {
        Resolved resolved;
        if (HostError e = Resolve(*paths[i], resolved); e != HostError::None) {
            return Fail(e, false);
        }
        HANDLE handle = CreateFileW(resolved.wide.c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (handle == INVALID_HANDLE_VALUE) return FailLast();
        const bool known = IdentityOf(handle, identities[i]);
        if (!known) FailLast();
        CloseHandle(handle);
        if (!known) return false;
    }
    SetLastError(HostError::None);
    return identities[0] == identities[1];
}

std::string Win32FileSystem::ProgramPath() {
    SetLastError(programPath_.empty() ? HostError::NotFound : HostError::None);
    return programPath_;
}

bool Win32FileSystem::HostPath(const std::string& path, std::string& hostPath) {
    Resolved resolved;
    if (HostError e = Resolve(path, resolved); e != HostError::None) return Fail(e, false);
    hostPath = resolved.host;
    SetLastError(HostError::None);
    return true;
}

void Win32FileSystem::ReleaseMedia() {
    openHandles_->LetAllGo();
}

std::int64_t Win32FileSystem::FreeBytesAvailable(const std::string& path) {
    Resolved resolved;
    if (HostError e = Resolve(path, resolved); e != HostError::None) return Fail(e, -1);
    std::wstring directory = resolved.wide;
    const DWORD attributes = GetFileAttributesW(directory.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        FailLast();
        return -1;
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        directory.erase(directory.find_last_of(L'\\') + 1);
    } else if (directory.back() != L'\\') {
        directory += L'\\';
    }
    ULARGE_INTEGER available;
    if (!GetDiskFreeSpaceExW(directory.c_str(), &available, nullptr, nullptr)) {
        FailLast();
        return -1;
    }
    SetLastError(HostError::None);
    return static_cast<std::int64_t>(available.QuadPart);
}

// Only an administrator may flush a whole volume, and not every volume can
// be flushed as one (wine's cannot); otherwise each file was put on its
// medium by its own flush, and the call has nothing to add. A volume that
// is gone still fails.
bool Win32FileSystem::FlushVolume(const std::string& path) {
    Resolved resolved;
    if (HostError e = Resolve(path, resolved); e != HostError::None) return Fail(e, false);
    wchar_t mountPoint[MAX_PATH + 1];
    if (!GetVolumePathNameW(resolved.wide.c_str(), mountPoint, MAX_PATH)) return FailLast();
    std::wstring volume = mountPoint;
    if (volume.rfind(L"\\\\?\\", 0) == 0) volume.erase(0, 4);
    if (volume.size() < 2 || volume[1] != L':') {
        SetLastError(HostError::None);
        return true;
    }
    const std::wstring device = L"\\\\.\\" + volume.substr(0, 2);
    HANDLE handle =
        CreateFileW(device.c_str(), GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        if (::GetLastError() != ERROR_ACCESS_DENIED) return FailLast();
        SetLastError(HostError::None);
        return true;
    }
    bool flushed = FlushFileBuffers(handle) != 0;
    const DWORD error = flushed ? ERROR_SUCCESS : ::GetLastError();
    CloseHandle(handle);
    if (error == ERROR_NOT_SUPPORTED || error == ERROR_INVALID_FUNCTION) flushed = true;
    if (!flushed) return Fail(HostErrorFromWin32(error), false);
    SetLastError(HostError::None);
    return true;
}

}  // namespace brenx::platform
