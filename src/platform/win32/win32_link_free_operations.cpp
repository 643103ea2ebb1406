#include "platform/win32/file_times.h"
#include "platform/win32/held_way.h"
#include "platform/win32/long_path.h"
#include "platform/win32/win32_error.h"
#include "platform/win32/win32_file_system.h"

// What a copy makes and changes on its destination: no name below the
// drive's (or the share's) root may be a reparse point (a symbolic link, a
// junction, a mount point), or the call is refused with LinkRefused. The
// directories on the way stay held until the call is done (HeldWay).
namespace brenx::platform {
namespace {

bool IsReparsePoint(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

}  // namespace

HostError Win32FileSystem::ResolveWithoutLinks(const std::string& path, Resolved& resolved,
                                               HeldWay& way) {
    if (HostError e = Resolve(path, resolved); e != HostError::None) return e;
    WindowsPath above = resolved.windows;
    above.trailingSeparator = false;
    std::string directory;
    // Each directory on the way, from the top: a link there would lead the
    // rest of the path elsewhere.
    for (std::size_t count = 1; count < resolved.windows.components.size(); ++count) {
        above.components.assign(
            resolved.windows.components.begin(),
            resolved.windows.components.begin() + static_cast<std::ptrdiff_t>(count));
        if (HostError e = HostOf(above, directory); e != HostError::None) return e;
        const HostError held = way.Hold(LongPathOf(directory));
        // Below a missing directory there is nothing to follow: the call
        // itself fails there.
        if (held == HostError::PathNotFound) break;
        if (held != HostError::None) return held;
    }
    return HostError::None;
}

bool Win32FileSystem::LookAt(const Resolved& resolved, WIN32_FILE_ATTRIBUTE_DATA& data) {
    if (!GetFileAttributesExW(resolved.wide.c_str(), GetFileExInfoStandard, &data)) {
        return FailLast();
    }
    if (IsReparsePoint(data.dwFileAttributes)) return Fail(HostError::LinkRefused, false);
    return true;
}

std::unique_ptr<FileHandle> Win32FileSystem::OpenWithoutLinks(const std::string& path,
                                                              Access access,
                                                              Disposition disposition) {
    Resolved resolved;
    HeldWay way;
    if (HostError e = ResolveWithoutLinks(path, resolved, way); e != HostError::None) {
        return Fail(e, nullptr);
    }
    return OpenResolved(resolved, access, disposition, true);
}

bool Win32FileSystem::MakeDirectoriesWithoutLinks(const std::string& path) {
    Resolved resolved;
    if (HostError e = Resolve(path, resolved); e != HostError::None) return Fail(e, false);
    WindowsPath above = resolved.windows;
    above.trailingSeparator = false;
    const std::size_t depth = above.components.size();
    std::string directory;
    HeldWay way;
    for (std::size_t count = 1; count <= depth; ++count) {
        above.components.assign(
            resolved.windows.components.begin(),
            resolved.windows.components.begin() + static_cast<std::ptrdiff_t>(count));
        if (HostError e = HostOf(above, directory); e != HostError::None) return Fail(e, false);
        const std::wstring wide = LongPathOf(directory);
        HostError held = way.Hold(wide);
        const bool missing = held == HostError::PathNotFound &&
                             GetFileAttributesW(wide.c_str()) == INVALID_FILE_ATTRIBUTES;
        if (missing) {
            if (!CreateDirectoryW(wide.c_str(), nullptr) &&
                ::GetLastError() != ERROR_ALREADY_EXISTS) {
                return FailLast();
            }
            held = way.Hold(wide);
        }
        if (held != HostError::None) return Fail(held, false);
    }
    SetLastError(HostError::None);
    return true;
}

bool Win32FileSystem::DeleteWithoutLinks(const std::string& path) {
    Resolved resolved;
    HeldWay way;
    if (HostError e = ResolveWithoutLinks(path, resolved, way); e != HostError::None) {
        return Fail(e, false);
    }
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!LookAt(resolved, data)) return false;
    if (data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) {
        return Fail(HostError::AccessDenied, false);
    }
    if (!DeleteFileW(resolved.wide.c_str())) return FailLast();
    SetLastError(HostError::None);
    return true;
}

bool Win32FileSystem::RenameNewWithoutLinks(const std::string& from, const std::string& to) {
    Resolved source;
    Resolved target;
    HeldWay way;
    if (HostError e = ResolveWithoutLinks(from, source, way); e != HostError::None) {
        return Fail(e, false);
    }
    if (HostError e = Resolve(to, target); e != HostError::None) return Fail(e, false);
    source.windows.components.pop_back();
    target.windows.components.pop_back();
    if (FormatWindowsPath(source.windows) != FormatWindowsPath(target.windows)) {
        return Fail(HostError::InvalidArgument, false);
    }
    // Without MOVEFILE_REPLACE_EXISTING the host refuses a name that is taken,
    // in the same call that renames.
    if (!MoveFileExW(source.wide.c_str(), target.wide.c_str(), 0)) return FailLast();
    SetLastError(HostError::None);
    return true;
}

bool Win32FileSystem::RenameWithoutLinks(const std::string& from, const std::string& to) {
    Resolved source;
    Resolved target;
    HeldWay way;
    if (HostError e = ResolveWithoutLinks(from, source, way); e != HostError::None) {
        return Fail(e, false);
    }
    if (HostError e = Resolve(to, target); e != HostError::None) return Fail(e, false);
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!LookAt(source, data)) return false;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return Fail(HostError::AccessDenied, false);
    // A file of the new name is replaced only when it could be deleted.
    if (GetFileAttributesExW(target.wide.c_str(), GetFileExInfoStandard, &data)) {
        if (IsReparsePoint(data.dwFileAttributes)) return Fail(HostError::LinkRefused, false);
        if (data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) {
            return Fail(HostError::AccessDenied, false);
        }
    }
    WindowsPath sourceDirectory = source.windows;
    WindowsPath targetDirectory = target.windows;
    sourceDirectory.components.pop_back();
    targetDirectory.components.pop_back();
    if (FormatWindowsPath(sourceDirectory) != FormatWindowsPath(targetDirectory)) {
        return Fail(HostError::InvalidArgument, false);
    }
    if (!MoveFileExW(source.wide.c_str(), target.wide.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        return FailLast();
    }
    SetLastError(HostError::None);
    return true;
}

DosDateTime Win32FileSystem::GetDateWithoutLinks(const std::string& path) {
    Resolved resolved;
    HeldWay way;
    if (HostError e = ResolveWithoutLinks(path, resolved, way); e != HostError::None) {
        return Fail(e, kNoDosDateTime);
    }
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!LookAt(resolved, data)) return kNoDosDateTime;
    SetLastError(HostError::None);
    return DosDateTimeOfFileTime(data.ftLastWriteTime);
}

bool Win32FileSystem::SetDateWithoutLinks(const std::string& path, DosDateTime date) {
    Resolved resolved;
    HeldWay way;
    if (HostError e = ResolveWithoutLinks(path, resolved, way); e != HostError::None) {
        return Fail(e, false);
    }
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!LookAt(resolved, data)) return false;
    return SetDateResolved(resolved, date, true);
}

bool Win32FileSystem::SetAttributesWithoutLinks(const std::string& path, std::uint32_t attributes) {
    Resolved resolved;
    HeldWay way;
    if (HostError e = ResolveWithoutLinks(path, resolved, way); e != HostError::None) {
        return Fail(e, false);
    }
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!LookAt(resolved, data)) return false;
    return SetAttributesResolved(resolved, attributes);
}

}  // namespace brenx::platform
