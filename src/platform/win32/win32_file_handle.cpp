#include "platform/win32/win32_file_handle.h"

#include <algorithm>

#include "platform/win32/file_times.h"
#include "platform/win32/win32_error.h"

namespace brenx::platform {
namespace {

// Every handle lets others read, write, rename and delete the file, as a
// POSIX descriptor does: the log is moved away while open, and a copy's
// temporary file is renamed into place.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// One chunk per call: ReadFile and WriteFile count in 32 bits.
constexpr std::int64_t kChunk = 1 << 30;

// The byte a hold locks: far beyond any file's end, so that the lock never
// stands in the way of a read or a write, only of another hold.
constexpr DWORD kHoldOffsetLow = 0xFFFFFFFE;
constexpr DWORD kHoldOffsetHigh = 0x7FFFFFFF;

LARGE_INTEGER Large(std::int64_t value) {
    LARGE_INTEGER large;
    large.QuadPart = value;
    return large;
}

}  // namespace

bool IdentityOf(HANDLE handle, FileIdentity& identity) {
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(handle, &info)) return false;
    identity.volume = info.dwVolumeSerialNumber;
    identity.index = static_cast<std::uint64_t>(info.nFileIndexHigh) << 32 | info.nFileIndexLow;
    return true;
}

Win32FileHandle::Win32FileHandle(HANDLE handle, std::wstring longPath, HandleMode mode,
                                 std::shared_ptr<OpenHandles> openHandles)
    : handle_(handle),
      longPath_(std::move(longPath)),
      mode_(mode),
      openHandles_(std::move(openHandles)) {
    identityKnown_ = IdentityOf(handle_, identity_);
    if (openHandles_) openHandles_->Add(this);
}

Win32FileHandle::~Win32FileHandle() {
    if (openHandles_) openHandles_->Remove(this);
    if (!closed_ && !letGo_) CloseHandle(handle_);
}

HostError Win32FileHandle::HostErrorFromLastCall() {
    const HostError error = HostErrorFromWin32(::GetLastError());
    return error == HostError::None ? HostError::Other : error;
}

bool Win32FileHandle::IsOpen() {
    if (closed_) {
        SetLastError(HostError::InvalidArgument);
        return false;
    }
    return !letGo_ || OpenAgain();
}

void Win32FileHandle::LetGo() {
    if (closed_ || letGo_) return;
    LARGE_INTEGER position;
    reopenOffset_ =
        SetFilePointerEx(handle_, Large(0), &position, FILE_CURRENT) ? position.QuadPart : 0;
    if (!CloseHandle(handle_) && closeError_ == HostError::None) {
        closeError_ = HostErrorFromLastCall();
    }
    letGo_ = true;
}

// The path must still name the very file: anything else is another medium.
bool Win32FileHandle::OpenAgain() {
    HANDLE handle = CreateFileW(longPath_.c_str(), mode_.desiredAccess, kShareAll, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        SetLastError(HostError::NoMedia);
        return false;
    }
    FileIdentity identity;
    if (!identityKnown_ || !IdentityOf(handle, identity) || !(identity == identity_)) {
        CloseHandle(handle);
        SetLastError(HostError::NoMedia);
        return false;
    }
    handle_ = handle;
    letGo_ = false;
    SetFilePointerEx(handle_, Large(reopenOffset_), nullptr, FILE_BEGIN);
    if (held_ && !TakeHold()) {
        const HostError error = LastError();
        CloseHandle(handle_);
        letGo_ = true;
        SetLastError(error);
        return false;
    }
    return true;
}

std::int64_t Win32FileHandle::Read(void* buffer, std::int64_t count) {
    if (!IsOpen()) return -1;
    if (count < 0) {
        SetLastError(HostError::InvalidArgument);
        return -1;
    }
    auto* bytes = static_cast<char*>(buffer);
    std::int64_t total = 0;
    while (total < count) {
        DWORD got = 0;
        const auto ask = static_cast<DWORD>(std::min(count - total, kChunk));
        if (!ReadFile(handle_, bytes + total, ask, &got, nullptr)) {
            // What came before the failure is lost to the caller, as a short
            // count would mean the end of the file.
            return FailLast<std::int64_t>(-1);
        }
        if (got == 0) break;
        total += got;
    }
    SetLastError(HostError::None);
    return total;
}

std::int64_t Win32FileHandle::WriteAtEnd(const char* data, std::int64_t count) {
    // An offset of all ones writes at the end of the file, whoever else
    // writes to it.
    OVERLAPPED at{};
    at.Offset = 0xFFFFFFFF;
    at.OffsetHigh = 0xFFFFFFFF;
    DWORD wrote = 0;
    if (!WriteFile(handle_, data, static_cast<DWORD>(count), &wrote, &at)) return -1;
    return wrote;
}

std::int64_t Win32FileHandle::Write(const void* data, std::int64_t count) {
    if (!IsOpen()) return -1;
    if (count < 0) {
        SetLastError(HostError::InvalidArgument);
        return -1;
    }
    const auto* bytes = static_cast<const char*>(data);
    std::int64_t total = 0;
    while (total < count) {
        const std::int64_t ask = std::min(count - total, kChunk);
        std::int64_t wrote = 0;
        if (mode_.access == Access::Append) {
            wrote = WriteAtEnd(bytes + total, ask);
        } else {
            DWORD done = 0;
            wrote = WriteFile(handle_, bytes + total, static_cast<DWORD>(ask), &done, nullptr)
                        ? static_cast<std::int64_t>(done)
                        : -1;
        }
        if (wrote <= 0) {
            if (wrote == 0) ::SetLastError(ERROR_DISK_FULL);
            SetLastError(HostErrorFromLastCall());
            return total > 0 ? total : -1;
        }
        total += wrote;
    }
    SetLastError(HostError::None);
    return total;
}

bool Win32FileHandle::Seek(std::int64_t offset) {
    if (!IsOpen()) return false;
    if (offset < 0) {
        SetLastError(HostError::InvalidArgument);
        return false;
    }
    if (!SetFilePointerEx(handle_, Large(offset), nullptr, FILE_BEGIN)) return FailLast(false);
    SetLastError(HostError::None);
    return true;
}

std::int64_t Win32FileHandle::Position() {
    if (!IsOpen()) return -1;
    LARGE_INTEGER position;
    if (!SetFilePointerEx(handle_, Large(0), &position, FILE_CURRENT)) {
        return FailLast<std::int64_t>(-1);
    }
    SetLastError(HostError::None);
    return position.QuadPart;
}

std::int64_t Win32FileHandle::Size() {
    if (!IsOpen()) return -1;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(handle_, &size)) return FailLast<std::int64_t>(-1);
    SetLastError(HostError::None);
    return size.QuadPart;
}

std::int64_t Win32FileHandle::SeekToEnd() {
    if (!IsOpen()) return -1;
    LARGE_INTEGER position;
    if (!SetFilePointerEx(handle_, Large(0), &position, FILE_END)) {
        return FailLast<std::int64_t>(-1);
    }
    SetLastError(HostError::None);
    return position.QuadPart;
}

bool Win32FileHandle::GetStatus(FileStatus& status) {
    if (!IsOpen()) return false;
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(handle_, &info)) return FailLast(false);
    status.size = static_cast<std::int64_t>(static_cast<std::uint64_t>(info.nFileSizeHigh) << 32 |
                                            info.nFileSizeLow);
    status.date = DosDateTimeOfFileTime(info.ftLastWriteTime);
    status.writtenAt = UnixNanosecondsOf(info.ftLastWriteTime);
    SetLastError(HostError::None);
    return true;
}

DosDateTime Win32FileHandle::GetDate() {
    FileStatus status;
    return GetStatus(status) ? status.date : kNoDosDateTime;
}

bool Win32FileHandle::SetDate(DosDateTime date) {
    if (!IsOpen()) return false;
    FILETIME time;
    if (!FileTimeOfDosDateTime(date, time)) {
        SetLastError(HostError::InvalidArgument);
        return false;
    }
    if (SetFileTime(handle_, nullptr, &time, &time)) {
        SetLastError(HostError::None);
        return true;
    }
    if (::GetLastError() != ERROR_ACCESS_DENIED) return FailLast(false);
    // A handle opened for reading only may not change dates: a second one,
    // for the attributes alone, may.
    HANDLE dates = CreateFileW(longPath_.c_str(), FILE_WRITE_ATTRIBUTES, kShareAll, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (dates == INVALID_HANDLE_VALUE) return FailLast(false);
    const bool set = SetFileTime(dates, nullptr, &time, &time);
    const HostError error = set ? HostError::None : HostErrorFromLastCall();
    CloseHandle(dates);
    SetLastError(error);
    return set;
}

bool Win32FileHandle::Flush() {
    if (!IsOpen()) return false;
    // Reading handles have nothing to write back, and the host refuses them.
    if (mode_.access == Access::Read) {
        SetLastError(HostError::None);
        return true;
    }
    if (!FlushFileBuffers(handle_)) return FailLast(false);
    SetLastError(HostError::None);
    return true;
}

bool Win32FileHandle::TakeHold() {
    OVERLAPPED at{};
    at.Offset = kHoldOffsetLow;
    at.OffsetHigh = kHoldOffsetHigh;
    if (LockFileEx(handle_, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
        return true;
    }
    const DWORD code = ::GetLastError();
    SetLastError(code == ERROR_LOCK_VIOLATION || code == ERROR_IO_PENDING
                     ? HostError::SharingViolation
                     : HostErrorFromWin32(code));
    return false;
}

bool Win32FileHandle::HoldExclusively() {
    if (!IsOpen()) return false;
    if (held_) {
        SetLastError(HostError::None);
        return true;
    }
    if (!TakeHold()) return false;
    held_ = true;
    SetLastError(HostError::None);
    return true;
}

// The host's cache cannot be emptied for one file that was opened buffered:
// what is written goes to the medium, and a read may still come from memory.
// The host drops a file's cached pages when it is opened without buffering
// while no handle that reads through the cache has it open. So this handle
// lets go, one without buffering comes and goes, and this one opens again at
// its place, which also tells a file that went meanwhile. A handle that cannot
// tell its file again keeps its hold and only writes back.
bool Win32FileHandle::DropCachedPages() {
    if (!Flush()) return false;
    if (!identityKnown_) return true;
    LetGo();
    const HANDLE unbuffered = CreateFileW(longPath_.c_str(), GENERIC_READ, kShareAll, nullptr,
                                          OPEN_EXISTING, FILE_FLAG_NO_BUFFERING, nullptr);
    if (unbuffered != INVALID_HANDLE_VALUE) CloseHandle(unbuffered);
    if (!IsOpen()) return false;
    SetLastError(HostError::None);
    return true;
}

bool Win32FileHandle::Truncate(std::int64_t length) {
    if (!IsOpen()) return false;
    const std::int64_t size = Size();
    if (size < 0) return false;
    if (length < 0 || length > size) {
        SetLastError(HostError::InvalidArgument);
        return false;
    }
    LARGE_INTEGER position;
    if (!SetFilePointerEx(handle_, Large(0), &position, FILE_CURRENT) ||
        !SetFilePointerEx(handle_, Large(length), nullptr, FILE_BEGIN)) {
        return FailLast(false);
    }
    const bool cut = SetEndOfFile(handle_);
    const HostError error = cut ? HostError::None : HostErrorFromLastCall();
    SetFilePointerEx(handle_, position, nullptr, FILE_BEGIN);
    SetLastError(error);
    return cut;
}

bool Win32FileHandle::IsStillAtItsPath() {
    if (closed_) return false;
    // A file deleted while open may keep its name until the last handle
    // closes; it is gone all the same.
    FILE_STANDARD_INFO standard;
    if (!letGo_ &&
        GetFileInformationByHandleEx(handle_, FileStandardInfo, &standard, sizeof standard) &&
        standard.DeletePending) {
        return false;
    }
    HANDLE there = CreateFileW(longPath_.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (there == INVALID_HANDLE_VALUE) return false;
    FileIdentity identity;
    const bool same = identityKnown_ && IdentityOf(there, identity) && identity == identity_;
    CloseHandle(there);
    return same;
}

bool Win32FileHandle::Close() {
    if (closed_) {
        SetLastError(HostError::InvalidArgument);
        return false;
    }
    closed_ = true;
    HostError error = closeError_;
    if (!letGo_ && !CloseHandle(handle_) && error == HostError::None) {
        error = HostErrorFromLastCall();
    }
    letGo_ = false;
    SetLastError(error);
    return error == HostError::None;
}

}  // namespace brenx::platform
