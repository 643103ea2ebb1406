#pragma once

#include "platform/win32/windows_api.h"

#include <cstdint>
#include <memory>
#include <string>

#include "platform/file_handle.h"
#include "platform/file_system.h"
#include "platform/open_handles.h"

namespace brenx::platform {

// Which file a handle has open: its volume and its number there.
struct FileIdentity {
    DWORD volume = 0;
    std::uint64_t index = 0;
    bool operator==(const FileIdentity&) const = default;
};

// The identity of the file an open handle names; false when the host cannot tell.
bool IdentityOf(HANDLE handle, FileIdentity& identity);

// How a handle was opened, so that it can open its file again.
struct HandleMode {
    Access access = Access::Read;
    DWORD desiredAccess = GENERIC_READ;
    bool keepsDates = false;  // the volume keeps a date exactly as it is set
};

// A FileHandle over an open Win32 file handle, which it owns.
//
// Let go (LetGo), it closes the handle and keeps its place; its next use
// opens the path again, and goes on only when the path still names the same
// file (volume and file number): a medium taken out, or another one put in,
// fails that use with NoMedia instead of reading or writing something else.
class Win32FileHandle : public FileHandle, public ReleasableFile {
  public:
    // `longPath` is the \\?\ form of the file's path. The handle enters
    // `openHandles`, when given, while it lives.
    Win32FileHandle(HANDLE handle, std::wstring longPath, HandleMode mode,
                    std::shared_ptr<OpenHandles> openHandles = nullptr);
    ~Win32FileHandle() override;
    Win32FileHandle(const Win32FileHandle&) = delete;
    Win32FileHandle& operator=(const Win32FileHandle&) = delete;

    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* data, std::int64_t count) override;
    bool Seek(std::int64_t offset) override;
    std::int64_t Position() override;
    std::int64_t Size() override;
    std::int64_t SeekToEnd() override;
    DosDateTime GetDate() override;
    bool GetStatus(FileStatus& status) override;
    bool SetDate(DosDateTime date) override;
    bool KeepsDates() const override { return mode_.keepsDates; }
    bool Flush() override;
    bool HoldExclusively() override;
    bool DropCachedPages() override;
    bool Truncate(std::int64_t length) override;
    bool IsStillAtItsPath() override;
    bool Close() override;
    void LetGo() override;

  private:
    bool IsOpen();
    bool OpenAgain();
    bool TakeHold();
    // Records the thread's last Win32 error and passes the result through.
    template <typename T>
    T FailLast(T result) {
        SetLastError(HostErrorFromLastCall());
        return result;
    }
    static HostError HostErrorFromLastCall();
    std::int64_t WriteAtEnd(const char* data, std::int64_t count);

    HANDLE handle_;
    std::wstring longPath_;
    HandleMode mode_;
    std::shared_ptr<OpenHandles> openHandles_;
    FileIdentity identity_;
    bool identityKnown_ = false;
    bool held_ = false;
    bool closed_ = false;
    // While let go: the place to go on from.
    bool letGo_ = false;
    std::int64_t reopenOffset_ = 0;
    // A failure that closing reported when the file was let go.
    HostError closeError_ = HostError::None;
};

}  // namespace brenx::platform
