#include "platform/posix/posix_file_handle.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/archive_attribute.h"
#include "platform/posix/errno_error.h"

namespace brenx::platform {

PosixFileHandle::PosixFileHandle(int fd, std::string hostPath, FileStatus atOpen,
                                 std::shared_ptr<const RecentFiles> recentFiles,
                                 std::shared_ptr<OpenHandles> openHandles, bool keepsDates)
    : fd_(fd),
      hostPath_(std::move(hostPath)),
      atOpen_(atOpen),
      recentFiles_(std::move(recentFiles)),
      openHandles_(std::move(openHandles)),
      keepsDates_(keepsDates) {
    if (openHandles_) openHandles_->Add(this);
}

PosixFileHandle::~PosixFileHandle() {
    if (openHandles_) openHandles_->Remove(this);
    if (fd_ >= 0) ::close(fd_);
}

bool PosixFileHandle::IsOpen() {
    if (fd_ >= 0) return true;
    if (letGo_) return OpenAgain();
    SetLastError(HostError::InvalidArgument);
    return false;
}

bool PosixFileHandle::KnowIdentity() {
    if (identityKnown_) return true;
    struct stat status {};
    if (::fstat(fd_, &status) != 0) return false;
    device_ = status.st_dev;
    inode_ = status.st_ino;
    identityKnown_ = true;
    return true;
}

void PosixFileHandle::LetGo() {
    // A file whose identity cannot be learnt could not be told from another
    // one later: it stays open.
    if (fd_ < 0 || !KnowIdentity()) return;
    const int flags = ::fcntl(fd_, F_GETFL);
    if (flags < 0) return;
    reopenFlags_ = flags & (O_ACCMODE | O_APPEND | O_NONBLOCK);
    dateSet_ = kNoDosDateTime;  // anyone may change the file meanwhile
    reopenOffset_ = ownOffset_ >= 0 ? -1 : ::lseek(fd_, 0, SEEK_CUR);
    if (::close(fd_) != 0 && errno != EINTR) closeError_ = HostErrorFromErrno(errno);
    fd_ = -1;
    letGo_ = true;
}

// Opened without blocking whatever the path names now, and checked before
// anything is read or written: the same regular file, or nothing.
bool PosixFileHandle::OpenAgain() {
    int fd = -1;
    do {
        fd = ::open(hostPath_.c_str(),
                    (reopenFlags_ & O_ACCMODE) | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return Fail(errno == ENOENT || errno == ENOTDIR ? ENOMEDIUM : errno);
    struct stat status {};
    const bool same = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
                      status.st_dev == device_ && status.st_ino == inode_;
    const int statusFlags = reopenFlags_ & (O_APPEND | O_NONBLOCK);
    if (!same || ::fcntl(fd, F_SETFL, statusFlags) != 0 ||
        (reopenOffset_ >= 0 && ::lseek(fd, reopenOffset_, SEEK_SET) < 0)) {
        ::close(fd);
        SetLastError(HostError::NoMedia);
        return false;
    }
    if (held_ && !TakeHold(fd)) {
        const HostError why = LastError();
        ::close(fd);
        SetLastError(why);
        return false;
    }
    fd_ = fd;
    letGo_ = false;
    return true;
}

bool PosixFileHandle::IsStillAtItsPath() {
    if (!IsOpen() || !KnowIdentity()) return false;
    struct stat status {};
    if (::stat(hostPath_.c_str(), &status) != 0) return false;
    return status.st_dev == device_ && status.st_ino == inode_;
}

bool PosixFileHandle::Fail(int errnoValue) {
    SetLastError(HostErrorFromErrno(errnoValue));
    return false;
}

std::int64_t PosixFileHandle::FailedCount(int errnoValue) {
    Fail(errnoValue);
    return -1;
}

// Reads until the buffer is full or the file ends: a short count then always
// means the end, so a caller that stops at a short block never stops early.
// A file read from its start that came back short at its length when opened
// has ended: no further read is needed to find out.
std::int64_t PosixFileHandle::Read(void* buffer, std::int64_t count) {
    if (!IsOpen()) return -1;
    if (count < 0) return FailedCount(EINVAL);
    auto* bytes = static_cast<char*>(buffer);
    std::int64_t done = 0;
    while (done < count) {
        const auto want = static_cast<std::size_t>(count - done);
        const ssize_t n = ownOffset_ >= 0 ? ::pread(fd_, bytes + done, want, ownOffset_ + done)
                                          : ::read(fd_, bytes + done, want);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return FailedCount(errno);
        if (n == 0) break;
        done += n;
        if (readFromStart_ >= 0 && readFromStart_ + done >= atOpen_.size && atOpen_.size >= 0) {
            break;
        }
    }
    if (readFromStart_ >= 0) readFromStart_ += done;
    if (ownOffset_ >= 0) ownOffset_ += done;
    SetLastError(HostError::None);
    return done;
}

// Writes everything unless the medium refuses: then the count written so far
// (the error in LastError), or -1 when nothing was written.
std::int64_t PosixFileHandle::Write(const void* data, std::int64_t count) {
    if (!IsOpen()) return -1;
    readFromStart_ = -1;
    dateSet_ = kNoDosDateTime;
    if (count < 0) return FailedCount(EINVAL);
    const auto* bytes = static_cast<const char*>(data);
    std::int64_t done = 0;
    while (done < count) {
        const auto want = static_cast<std::size_t>(count - done);
        const ssize_t n = ownOffset_ >= 0 ? ::pwrite(fd_, bytes + done, want, ownOffset_ + done)
                                          : ::write(fd_, bytes + done, want);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            // fusefat refuses a write with EPERM when it has no free cluster
            // left; a file open for writing has no other reason to give it.
            Fail(n == 0 || errno == EPERM ? ENOSPC : errno);
            if (ownOffset_ >= 0) ownOffset_ += done;
            return done > 0 ? done : -1;
        }
        done += n;
    }
    if (ownOffset_ >= 0) ownOffset_ += done;
    SetLastError(HostError::None);
    return done;
}

bool PosixFileHandle::Seek(std::int64_t offset) {
    if (!IsOpen()) return false;
    readFromStart_ = -1;
    if (offset < 0) return Fail(EINVAL);
    ownOffset_ = -1;
    if (::lseek(fd_, offset, SEEK_SET) < 0) return Fail(errno);
    SetLastError(HostError::None);
    return true;
}

std::int64_t PosixFileHandle::Position() {
    if (!IsOpen()) return -1;
    if (ownOffset_ >= 0) {
        SetLastError(HostError::None);
        return ownOffset_;
    }
    const off_t at = ::lseek(fd_, 0, SEEK_CUR);
    if (at < 0) return FailedCount(errno);
    SetLastError(HostError::None);
    return at;
}

std::int64_t PosixFileHandle::Size() {
    if (!IsOpen()) return -1;
    struct stat status {};
    if (::fstat(fd_, &status) != 0) return FailedCount(errno);
    SetLastError(HostError::None);
    return status.st_size;
}

// A handle that has done nothing since it was opened knows where the end is
// (its length when opened): it keeps that offset itself, and reads and
// writes at it, instead of moving the descriptor (the log's every entry).
std::int64_t PosixFileHandle::SeekToEnd() {
    if (!IsOpen()) return -1;
    const bool fresh = readFromStart_ == 0 && atOpen_.size >= 0;
    readFromStart_ = -1;
    if (fresh) {
        ownOffset_ = atOpen_.size;
        SetLastError(HostError::None);
        return ownOffset_;
    }
    ownOffset_ = -1;
    const off_t at = ::lseek(fd_, 0, SEEK_END);
    if (at < 0) return FailedCount(errno);
    SetLastError(HostError::None);
    return at;
}

DosDateTime PosixFileHandle::GetDate() {
    if (!IsOpen()) return kNoDosDateTime;
    if (dateSet_ != kNoDosDateTime) {
        SetLastError(HostError::None);
        return dateSet_;
    }
    struct stat status {};
    if (::fstat(fd_, &status) != 0) {
        Fail(errno);
        return kNoDosDateTime;
    }
    SetLastError(HostError::None);
    return DosDateTimeFromUnix(status.st_mtim.tv_sec);
}

FileStatus FileStatusOf(const struct stat& status) {
    constexpr std::int64_t kNanoseconds = 1000000000;
    FileStatus result;
    result.size = status.st_size;
    result.date = DosDateTimeFromUnix(status.st_mtim.tv_sec);
    result.writtenAt = std::int64_t{status.st_mtim.tv_sec} * kNanoseconds + status.st_mtim.tv_nsec;
    return result;
}

bool PosixFileHandle::GetStatus(FileStatus& status) {
    if (!IsOpen()) return false;
    struct stat host {};
    if (::fstat(fd_, &host) != 0) return Fail(errno);
    status = FileStatusOf(host);
    SetLastError(HostError::None);
    return true;
}

bool PosixFileHandle::StatusAtOpen(FileStatus& status) {
    if (atOpen_.date == kNoDosDateTime) return GetStatus(status);
    status = atOpen_;
    SetLastError(HostError::None);
    return true;
}

bool PosixFileHandle::SetDate(DosDateTime date) {
    if (!IsOpen()) return false;
    std::int64_t seconds = 0;
    if (!UnixFromDosDateTime(date, seconds)) return Fail(EINVAL);
    // A new date is no change of the contents: the archive bit stays as it
    // was. Only a file with a record can have it clear (a file this layer
    // made, or took the record off, has none).
    std::string record;
    struct stat before {};
    const bool noRecord = recentFiles_ && recentFiles_->RecordGone(hostPath_);
    const bool wasClear = !noRecord && ReadArchiveRecord(hostPath_, record) &&
                          ::fstat(fd_, &before) == 0 && RecordMatches(record, before);
    // Both times: FUSE drivers of FAT and exFAT media (libfuse 2) drop a new
    // modification time that comes without an access time, and say nothing.
    const struct timespec times[2] = {{static_cast<time_t>(seconds), 0},
                                      {static_cast<time_t>(seconds), 0}};
    if (::futimens(fd_, times) != 0) return Fail(errno);
    // Up to 2038 every format of such a file system holds the time given.
    constexpr std::int64_t kEveryFormatHolds = std::int64_t{1} << 31;
    if (keepsDates_ && seconds < kEveryFormatHolds) dateSet_ = date;
    if (wasClear) ClearArchive(hostPath_);
    SetLastError(HostError::None);
    return true;
}

bool PosixFileHandle::Flush() {
    if (!IsOpen()) return false;
    if (::fsync(fd_) != 0) return Fail(errno);
    SetLastError(HostError::None);
    return true;
}

bool PosixFileHandle::FlushData() {
    if (!IsOpen()) return false;
    if (::fdatasync(fd_) != 0) return Fail(errno);
    SetLastError(HostError::None);
    return true;
}

// A whole-file lock (flock) of the open file: the kernel keeps it for local
// and FUSE file systems alike, and lets it go with the last descriptor of the
// open, so a run that dies holds nothing.
bool PosixFileHandle::TakeHold(int fd) {
    int result;
    do {
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) return true;
    if (errno == EWOULDBLOCK) return Fail(EAGAIN);
    return Fail(errno == ENOLCK || errno == EINVAL ? ENOTSUP : errno);
}

bool PosixFileHandle::HoldExclusively() {
    if (!IsOpen()) return false;
    if (!TakeHold(fd_)) return false;
    held_ = true;
    SetLastError(HostError::None);
    return true;
}

// Only clean pages can be dropped, so what is pending is written back first.
// On Linux that takes sync_file_range, which writes the pages without asking
// the device to flush its own cache: fdatasync would, even for a file with
// nothing pending, and a verify of many small files would then wait for the
// device once per file.
bool PosixFileHandle::DropCachedPages() {
    if (!IsOpen()) return false;
#ifdef __linux__
    constexpr unsigned kWriteAndWait =
        SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER;
    if (::sync_file_range(fd_, 0, 0, kWriteAndWait) != 0) return Fail(errno);
#else
    if (::fdatasync(fd_) != 0) return Fail(errno);
#endif
    const int advice = ::posix_fadvise(fd_, 0, 0, POSIX_FADV_DONTNEED);
    if (advice != 0) return Fail(advice);
    SetLastError(HostError::None);
    return true;
}

bool PosixFileHandle::Truncate(std::int64_t length) {
    if (!IsOpen()) return false;
    readFromStart_ = -1;
    dateSet_ = kNoDosDateTime;
    struct stat status {};
    if (::fstat(fd_, &status) != 0) return Fail(errno);
    if (length < 0 || length > status.st_size) return Fail(EINVAL);
    int result;
    do {
        result = ::ftruncate(fd_, static_cast<off_t>(length));
    } while (result != 0 && errno == EINTR);
    if (result != 0) return Fail(errno);
    SetLastError(HostError::None);
    return true;
}

bool PosixFileHandle::Close() {
    if (letGo_) {
        letGo_ = false;
        if (closeError_ != HostError::None) {
            SetLastError(closeError_);
            return false;
        }
        SetLastError(HostError::None);
        return true;
    }
    if (!IsOpen()) return false;
    const int fd = fd_;
    fd_ = -1;
    // On Linux the descriptor is gone even when close reports EINTR; only a
    // real error (EIO, ENOSPC on a network file system) means lost data.
    if (::close(fd) != 0 && errno != EINTR) return Fail(errno);
    SetLastError(HostError::None);
    return true;
}

}  // namespace brenx::platform
