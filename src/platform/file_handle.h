#pragma once

#include <cstdint>

#include "platform/dos_date_time.h"
#include "platform/host_error.h"
#include "support/byte_stream.h"

namespace brenx::platform {

// What an open file's descriptor tells of it now.
struct FileStatus {
    std::int64_t size = -1;
    DosDateTime date = kNoDosDateTime;
    // The last-write time as finely as the host keeps it (nanoseconds since
    // 1970), -1 when unknown: it tells apart two writes within two seconds.
    std::int64_t writtenAt = -1;
};

// An open file. Reads fill the buffer unless the file ends or fails (a short
// count always means the end of the file); writes return fewer bytes than
// asked only when the medium refused the rest. Every failing call records why
// in LastError(); a call that succeeds leaves None there.
class FileHandle : public support::ByteStream {
  public:
    // The file's length in bytes, -1 on failure.
    virtual std::int64_t Size() = 0;
    // Moves to the end; the new offset, -1 on failure.
    virtual std::int64_t SeekToEnd() = 0;
    // The last-write date, kNoDosDateTime on failure.
    virtual DosDateTime GetDate() = 0;
    // The length and the last-write date together (one look where the host
    // can give both at once); false on failure.
    virtual bool GetStatus(FileStatus& status) {
        status.size = Size();
        if (status.size < 0) return false;
        status.date = GetDate();
        return status.date != kNoDosDateTime;
    }
    // What the file was when it was opened, where the open looked at it;
    // otherwise GetStatus now.
    virtual bool StatusAtOpen(FileStatus& status) { return GetStatus(status); }
    // Sets the last-write date to exactly this packed value.
    virtual bool SetDate(DosDateTime date) = 0;
    // Whether the file's medium keeps a date exactly as it is set (the host's
    // own disk file systems), so that it needs no second look.
    virtual bool KeepsDates() const { return false; }
    // Puts what was written onto the medium.
    virtual bool Flush() = 0;
    // Puts the file's data (and its length) onto the medium, not its dates:
    // enough for a file that is renamed into place only afterwards.
    virtual bool FlushData() { return Flush(); }
    // Takes the file for this handle alone, without waiting: while the handle
    // holds it, no other handle (of this process or another) can take it.
    // It says nothing about reading or writing it. SharingViolation when
    // another handle holds it; NotSupported where the host has no such hold.
    // A handle let go and opened again (ReleaseMedia) takes it again, and
    // fails with SharingViolation when someone took it meanwhile.
    virtual bool HoldExclusively() {
        SetLastError(HostError::NotSupported);
        return false;
    }
    // Writes back what is pending and drops the file's pages from the host's
    // cache, so that the next read comes from the medium.
    virtual bool DropCachedPages() = 0;
    // Cuts the file to `length` bytes (not beyond its end), so that a write
    // cut short can be taken back whole. Handles that cannot do it report
    // NotSupported.
    virtual bool Truncate(std::int64_t length) {
        (void)length;
        SetLastError(HostError::NotSupported);
        return false;
    }
    // False when the file's path no longer names it (it was moved or deleted
    // while open): what is written now goes where no one looks for it.
    // Handles that cannot tell answer true.
    virtual bool IsStillAtItsPath() { return true; }
    // Closes the file. False means the host reported a failure on closing,
    // which can mean that written data was lost. Later calls fail.
    virtual bool Close() = 0;

    HostError LastError() const { return lastError_; }

  protected:
    void SetLastError(HostError error) { lastError_ = error; }

  private:
    HostError lastError_ = HostError::None;
};

}  // namespace brenx::platform
