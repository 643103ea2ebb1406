#pragma once

#include <memory>
#include <string>

#include "platform/file_handle.h"
#include "platform/recent_files.h"

namespace brenx::platform {

// A FileHandle over an open POSIX file descriptor, which it owns.
class PosixFileHandle : public FileHandle {
  public:
    // `sizeAtOpen` is the file's length when it was opened; `recentFiles`,
    // when given, is the file system's knowledge of which files carry no
    // archive record (SetDate need not look for one on those).
    PosixFileHandle(int fd, std::string hostPath, std::int64_t sizeAtOpen = -1,
                    std::shared_ptr<const RecentFiles> recentFiles = nullptr);
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
    bool SetDate(DosDateTime date) override;
    bool Flush() override;
    bool DropCachedPages() override;
    bool Truncate(std::int64_t length) override;
    bool Close() override;

  private:
    bool IsOpen();
    bool Fail(int errnoValue);
    std::int64_t FailedCount(int errnoValue);

    int fd_;
    std::string hostPath_;
    std::int64_t sizeAtOpen_;
    std::shared_ptr<const RecentFiles> recentFiles_;
    // Bytes read so far while the handle has only read from the start on
    // (-1 once it has moved or written otherwise).
    std::int64_t readFromStart_ = 0;
    // The position, when the handle keeps it itself (reading and writing at
    // it) rather than in the descriptor; -1 otherwise.
    std::int64_t ownOffset_ = -1;
};

}  // namespace brenx::platform
