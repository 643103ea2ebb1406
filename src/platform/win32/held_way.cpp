#include "platform/win32/held_way.h"

#include "platform/win32/win32_error.h"
#include "platform/win32/windows_api.h"

namespace brenx::platform {

HeldWay::~HeldWay() {
    for (void* handle : handles_)
        CloseHandle(handle);
}

HostError HeldWay::Hold(const std::wstring& directory) {
    // Listing access is what makes the missing delete sharing count: a
    // handle that may only read attributes would not stop a rename.
    HANDLE handle = CreateFileW(directory.c_str(), FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD code = ::GetLastError();
        return code == ERROR_FILE_NOT_FOUND ? HostError::PathNotFound : HostErrorFromWin32(code);
    }
    // Held, the entry cannot be swapped: its name now tells what it is.
    // (Wine opens what a POSIX link leads to even when asked for the link
    // itself, but shows the link among the attributes of its name.)
    const DWORD attributes = GetFileAttributesW(directory.c_str());
    HostError verdict = HostError::None;
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        verdict = HostErrorFromWin32(::GetLastError());
    } else if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        verdict = HostError::LinkRefused;
    } else if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        verdict = HostError::PathNotFound;
    }
    if (verdict != HostError::None) {
        CloseHandle(handle);
        return verdict;
    }
    handles_.push_back(handle);
    return HostError::None;
}

}  // namespace brenx::platform
