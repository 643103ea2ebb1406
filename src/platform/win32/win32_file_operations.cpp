#include <vector>

#include "platform/win32/file_times.h"
#include "platform/win32/long_path.h"
#include "platform/win32/win32_directory_search.h"
#include "platform/win32/win32_error.h"
#include "platform/win32/win32_file_handle.h"
#include "platform/win32/win32_file_system.h"

namespace brenx::platform {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// The attribute bits SetFileAttributesW takes; the others describe the entry.
constexpr DWORD kSettableHostAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                          FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                          FILE_ATTRIBUTE_NOT_CONTENT_INDEXED |
                                          FILE_ATTRIBUTE_OFFLINE | FILE_ATTRIBUTE_TEMPORARY;

DWORD DesiredAccess(Access access) {
    switch (access) {
        case Access::Read:
            return GENERIC_READ;
        case Access::Write:
            return GENERIC_WRITE | FILE_READ_ATTRIBUTES;
        case Access::ReadWrite:
        case Access::Append:
            break;
    }
    return GENERIC_READ | GENERIC_WRITE;
}

// Creating always opens or makes the file and cuts it afterwards: CREATE_ALWAYS
// refuses an existing hidden or system file.
DWORD Creation(Disposition disposition) {
    switch (disposition) {
        case Disposition::OpenExisting:
            return OPEN_EXISTING;
        case Disposition::CreateNew:
            return CREATE_NEW;
        case Disposition::CreateAlways:
        case Disposition::OpenAlways:
            break;
    }
    return OPEN_ALWAYS;
}

// The file systems that keep a date to the step it was set with.
bool KeepsDatesExactly(const wchar_t* fileSystemName) {
    const std::wstring name = fileSystemName;
    return name == L"NTFS" || name == L"ReFS";
}

}  // namespace

bool Win32FileSystem::VolumeKeepsDates(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(handle, &info)) return false;
    const auto known = datesKept_.find(info.dwVolumeSerialNumber);
    if (known != datesKept_.end()) return known->second;
    wchar_t fileSystem[MAX_PATH + 1] = {};
    const bool keeps = GetVolumeInformationByHandleW(handle, nullptr, 0, nullptr, nullptr, nullptr,
                                                     fileSystem, MAX_PATH + 1) &&
                       KeepsDatesExactly(fileSystem);
    datesKept_[info.dwVolumeSerialNumber] = keeps;
    return keeps;
}

std::unique_ptr<FileHandle> Win32FileSystem::OpenResolved(const Resolved& resolved, Access access,
                                                          Disposition disposition,
                                                          bool withoutLinks) {
    const DWORD desired = DesiredAccess(access);
    const DWORD flags = FILE_ATTRIBUTE_NORMAL | (withoutLinks ? FILE_FLAG_OPEN_REPARSE_POINT : 0);
    HANDLE handle = CreateFileW(resolved.wide.c_str(), desired, kShareAll, nullptr,
                                Creation(disposition), flags, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        FailLast();
        return nullptr;
    }
    // Only regular files on a disk: a device, a pipe or a link is no file to copy.
    BY_HANDLE_FILE_INFORMATION info;
    HostError refusal = HostError::None;
    if (GetFileType(handle) != FILE_TYPE_DISK || !GetFileInformationByHandle(handle, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        refusal = HostError::AccessDenied;
    } else if ((info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 && withoutLinks) {
        refusal = HostError::LinkRefused;
    } else if ((info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0 && access != Access::Read) {
        // Refused here too, for an administrator whom the host would let write.
        refusal = HostError::AccessDenied;
    } else if (disposition == Disposition::CreateAlways && !SetEndOfFile(handle)) {
        refusal = HostErrorFromWin32(::GetLastError());
    }
    if (refusal != HostError::None) {
        CloseHandle(handle);
        return Fail(refusal, nullptr);
    }
    const HandleMode mode{access, desired, VolumeKeepsDates(handle)};
    SetLastError(HostError::None);
    return std::make_unique<Win32FileHandle>(handle, resolved.wide, mode, openHandles_);
}

std::unique_ptr<FileHandle> Win32FileSystem::Open(const std::string& path, Access access,
                                                  Disposition disposition) {
    Resolved resolved;
    if (HostError e = Resolve(path, resolved); e != HostError::None) return Fail(e, nullptr);
    return OpenResolved(resolved, access, disposition, false);
}

bool Win32FileSystem::DeleteFile(const std::string& path) {
    Resolved resolved;
    if (HostError e = Resolve(path, resolved); e != HostError::None) return Fail(e, false);
    // Refused here too, for hosts that would delete a read-only file.
    const DWORD attributes = GetFileAttributesW(resolved.wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return FailLast();
    if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) {
        return Fail(HostError::AccessDenied, false);
    }
    if (!DeleteFileW(resolved.wide.c_str())) return FailLast();
    SetLastError(HostError::None);
    return true;
}

std::int64_t Win32FileSystem::GetAttributes(const std::string& path) {
    Resolved resolved;
    if (HostError e = Resolve(path, resolved); e != HostError::None) return Fail(e, -1);
    const DWORD attributes = GetFileAttributesW(resolved.wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        FailLast();
        return -1;
    }
    SetLastError(HostError::None);
    return AttributesOfHost(attributes);
}

bool Win32FileSystem::SetAttributesResolved(const Resolved& resolved, std::uint32_t attributes) {
    const DWORD current = GetFileAttributesW(resolved.wide.c_str());
    if (current == INVALID_FILE_ATTRIBUTES) return FailLast();
    constexpr DWORD kChanged = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE;
    DWORD wanted = (current & kSettableHostAttributes & ~kChanged) | (attributes & kChanged);
    if (wanted == 0) wanted = FILE_ATTRIBUTE_NORMAL;
    if (!SetFileAttributesW(resolved.wide.c_str(), wanted)) return FailLast();
    SetLastError(HostError::None);
    return true;
}

bool Win32FileSystem::SetAttributes(const std::string& path, std::uint32_t attributes) {
    Resolved resolved;
    if (HostError e = Resolve(path, resolved); e != HostError::None) return Fail(e, false);
    return SetAttributesResolved(resolved, attributes);
}

DosDateTime Win32FileSystem::GetFileDate(const std::string& path) {
    Resolved resolved;
    if (HostError e = Resolve(path, resolved); e != HostError::None) {
        return Fail(e, kNoDosDateTime);
    }
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(resolved.wide.c_str(), GetFileExInfoStandard, &data)) {
        FailLast();
        return kNoDosDateTime;
    }
    SetLastError(HostError::None);
    return DosDateTimeOfFileTime(data.ftLastWriteTime);
}

// The access time is set with the date: some media drop a write time that
// comes alone.
bool Win32FileSystem::SetDateResolved(const Resolved& resolved, DosDateTime date,
                                      bool withoutLinks) {
    FILETIME time;
    if (!FileTimeOfDosDateTime(date, time)) return Fail(HostError::InvalidArgument, false);
    const DWORD flags =
        FILE_FLAG_BACKUP_SEMANTICS | (withoutLinks ? FILE_FLAG_OPEN_REPARSE_POINT : 0);
    HANDLE handle = CreateFileW(resolved.wide.c_str(), FILE_WRITE_ATTRIBUTES, kShareAll, nullptr,
                                OPEN_EXISTING, flags, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return FailLast();
    const bool set = SetFileTime(handle, nullptr, &time, &time) != 0;
    if (!set) FailLast();
    CloseHandle(handle);
    if (set) SetLastError(HostError::None);
    return set;
}

bool Win32FileSystem::SetFileDate(const std::string& path, DosDateTime date) {
    Resolved resolved;
    if (HostError e = Resolve(path, resolved); e != HostError::None) return Fail(e, false);
    return SetDateResolved(resolved, date, false);
}

std::unique_ptr<DirectorySearch> Win32FileSystem::FindFirst(const std::string& pattern,
                                                            std::uint32_t attributeFilter) {
    Resolved resolved;
    HostError error = ResolveWindows(pattern, resolved.windows);
    if (error == HostError::None &&
        (resolved.windows.components.empty() || resolved.windows.trailingSeparator)) {
        error = HostError::NotFound;
    }
    if (error != HostError::None) return Fail(error, nullptr);
    const std::string namePattern = resolved.windows.components.back();
    resolved.windows.components.pop_back();
    if (HostError e = HostOf(resolved.windows, resolved.host); e != HostError::None) {
        return Fail(e, nullptr);
    }
    std::vector<SearchEntry> entries;
    unsigned long code = ERROR_SUCCESS;
    if (!ListDirectory(LongPathOf(resolved.host), resolved.windows.components.empty(), namePattern,
                       attributeFilter, entries, code)) {
        const HostError e = HostErrorFromWin32(code);
        return Fail(e == HostError::NotFound ? HostError::PathNotFound : e, nullptr);
    }
    // Like a Windows search, one that finds nothing is a failure.
    if (entries.empty()) return Fail(HostError::NotFound, nullptr);
    SetLastError(HostError::None);
    return std::make_unique<Win32DirectorySearch>(std::move(entries));
}

}  // namespace brenx::platform
