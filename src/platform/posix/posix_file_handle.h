#pragma once

#include <memory>
#include <string>

#include <sys/stat.h>
#include <sys/types.h>

#include "platform/file_handle.h"
#include "platform/open_handles.h"
#include "platform/recent_files.h"

namespace brenx::platform {

// What a host status tells of a file.
FileStatus FileStatusOf(const struct stat& status);

// A FileHandle over an open POSIX file descriptor, which it owns.
//
// Let go (LetGo), it closes the descriptor and keeps its place; its next use
// opens the path again, and goes on only when the path still names the same
// file (device and inode): a medium taken out, or another one put in,
// fails that use with NoMedia instead of reading or writing something else.
class PosixFileHandle : public FileHandle, public ReleasableFile {
  public:
    // `atOpen` is what the file was when it was opened; `recentFiles`,
    // when given, is the file system's knowledge of which files carry no
    // archive record (SetDate need not look for one on those). The handle
    // enters `openHandles`, when given, while it lives. With `keepsDates`
    // the file lies on a file system that keeps a date as it is set
    // (VolumeKind): a date just set is known without a look.
    PosixFileHandle(int fd, std::string hostPath, FileStatus atOpen = {},
                    std::shared_ptr<const RecentFiles> recentFiles = nullptr,
                    std::shared_ptr<OpenHandles> openHandles = nullptr, bool keepsDates = false);
    ~PosixFileHandle() override;
    PosixFileHandle(const PosixFileHandle&) = delete;
    PosixFileHandle& operator=(const PosixFileHandle&) = delete;

    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* data, std::int64_t count) override;
    bool Seek(std::int64_t offset) override;
    std::int64_t Position() override;
    std::int64_t Size() override;
    std::int64_t SeekToEnd() override;
    DosDateTime GetDate() override;
    bool GetStatus(FileStatus& status) override;
    bool StatusAtOpen(FileStatus& status) override;
    bool SetDate(DosDateTime date) override;
    bool KeepsDates() const override { return keepsDates_; }
    bool Flush() override;
    bool FlushData() override;
    bool HoldExclusively() override;
    bool DropCachedPages() override;
    bool Truncate(std::int64_t length) override;
    bool IsStillAtItsPath() override;
    bool Close() override;
    void LetGo() override;

  private:
    bool IsOpen();
    bool KnowIdentity();
    bool OpenAgain();
    bool TakeHold(int fd);
    bool Fail(int errnoValue);
    std::int64_t FailedCount(int errnoValue);

    int fd_;
    std::string hostPath_;
    FileStatus atOpen_;
    std::shared_ptr<const RecentFiles> recentFiles_;
    std::shared_ptr<OpenHandles> openHandles_;
    // The file's identity, learnt when first needed.
    bool identityKnown_ = false;
    dev_t device_ = 0;
    ino_t inode_ = 0;
    // Whether the handle holds its file (HoldExclusively): taken again when
    // it is opened again.
    bool held_ = false;
    // While let go: the descriptor's flags and offset to open it again with.
    bool letGo_ = false;
    int reopenFlags_ = 0;
    std::int64_t reopenOffset_ = -1;
    // A failure that closing reported when the file was let go: what was
    // written may be lost, which the next Close reports.
    HostError closeError_ = HostError::None;
    // Bytes read so far while the handle has only read from the start on
    // (-1 once it has moved or written otherwise).
    std::int64_t readFromStart_ = 0;
    bool keepsDates_;
    // The date this handle set last, while nothing has changed the file
    // since (kNoDosDateTime: unknown).
    DosDateTime dateSet_ = kNoDosDateTime;
    // The position, when the handle keeps it itself (reading and writing at
    // it) rather than in the descriptor; -1 otherwise.
    std::int64_t ownOffset_ = -1;
};

}  // namespace brenx::platform
