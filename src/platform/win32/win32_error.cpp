#include "platform/win32/win32_error.h"

#include <windows.h>

#include <climits>
#include <string_view>

#include "platform/win32/win32_text.h"

// Older MinGW headers lack these two.
#ifndef ERROR_DISK_QUOTA_EXCEEDED
#define ERROR_DISK_QUOTA_EXCEEDED 1295L
#endif
#ifndef ERROR_STOPPED_ON_SYMLINK
#define ERROR_STOPPED_ON_SYMLINK 681L
#endif

namespace brenx::platform {
namespace {

// The kinds that Windows' media and device errors come to. A drive letter
// that names nothing, a drive with its medium out and a stick pulled while
// in use all mean the medium is not there.
HostError MediumError(unsigned long code) {
    switch (code) {
        case ERROR_WRITE_PROTECT:
            return HostError::WriteProtected;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
        case ERROR_DISK_QUOTA_EXCEEDED:
            return HostError::NoSpace;
        case ERROR_FILE_TOO_LARGE:
            return HostError::FileTooLarge;
        case ERROR_CRC:
        case ERROR_SEEK:
        case ERROR_SECTOR_NOT_FOUND:
        case ERROR_WRITE_FAULT:
        case ERROR_READ_FAULT:
        case ERROR_GEN_FAILURE:
        case ERROR_IO_DEVICE:
        case ERROR_FILE_CORRUPT:
        case ERROR_DISK_CORRUPT:
            return HostError::IoError;
        case ERROR_INVALID_DRIVE:
        case ERROR_NOT_READY:
        case ERROR_WRONG_DISK:
        case ERROR_DEV_NOT_EXIST:
        case ERROR_NETNAME_DELETED:
        case ERROR_UNRECOGNIZED_VOLUME:
        case ERROR_MEDIA_CHANGED:
        case ERROR_NO_MEDIA_IN_DRIVE:
        case ERROR_DEVICE_NOT_CONNECTED:
        case ERROR_DEVICE_REMOVED:
        case ERROR_UNRECOGNIZED_MEDIA:
            return HostError::NoMedia;
        default:
            return HostError::Other;
    }
}

// The kinds of errors about names, files and handles.
HostError FileError(unsigned long code) {
    switch (code) {
        case ERROR_SUCCESS:
            return HostError::None;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_NO_MORE_FILES:
            return HostError::NotFound;
        case ERROR_PATH_NOT_FOUND:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
        case ERROR_DIRECTORY:
            return HostError::PathNotFound;
        case ERROR_ACCESS_DENIED:
        case ERROR_NETWORK_ACCESS_DENIED:
        case ERROR_CANNOT_MAKE:
        case ERROR_DELETE_PENDING:
        case ERROR_PRIVILEGE_NOT_HELD:
            return HostError::AccessDenied;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
        case ERROR_DIR_NOT_EMPTY:
            return HostError::AlreadyExists;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_DRIVE_LOCKED:
        case ERROR_BUSY:
        case ERROR_USER_MAPPED_FILE:
            return HostError::SharingViolation;
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_NO_UNICODE_TRANSLATION:
            return HostError::InvalidName;
        case ERROR_FILENAME_EXCED_RANGE:
        case ERROR_BUFFER_OVERFLOW:
            return HostError::NameTooLong;
        case ERROR_CANT_RESOLVE_FILENAME:
            return HostError::LinkLoop;
        case ERROR_STOPPED_ON_SYMLINK:
            return HostError::LinkRefused;
        case ERROR_INVALID_PARAMETER:
        case ERROR_INVALID_HANDLE:
        case ERROR_NEGATIVE_SEEK:
            return HostError::InvalidArgument;
        case ERROR_TOO_MANY_OPEN_FILES:
        case ERROR_NO_MORE_SEARCH_HANDLES:
            return HostError::TooManyOpenFiles;
        case ERROR_INVALID_FUNCTION:
        case ERROR_NOT_SUPPORTED:
        case ERROR_CALL_NOT_IMPLEMENTED:
            return HostError::NotSupported;
        default:
            return MediumError(code);
    }
}

}  // namespace

HostError HostErrorFromWin32(unsigned long code) {
    const HostError error = FileError(code);
    if (error != HostError::Other) return error;
    // A number too large to keep beside the named kinds (an HRESULT, say).
    if (code >= static_cast<unsigned long>(INT_MAX - kHostNumberBase)) return HostError::Other;
    return HostErrorOfNumber(static_cast<int>(code));
}

std::string Win32ErrorWords(unsigned long code) {
    wchar_t buffer[512];
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                       buffer, sizeof buffer / sizeof buffer[0], nullptr);
    std::wstring_view words(buffer, length);
    while (!words.empty() && (words.back() == L'\n' || words.back() == L'\r' ||
                              words.back() == L' ' || words.back() == L'.')) {
        words.remove_suffix(1);
    }
    if (words.empty()) return "Windows error " + std::to_string(code);
    return Utf8FromWide(words);
}

}  // namespace brenx::platform
