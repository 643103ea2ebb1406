// The PosixFileSystem calls that work on one file: open, delete, attributes
// and dates.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/posix/archive_attribute.h"
#include "platform/posix/errno_error.h"
#include "platform/posix/host_entry.h"
#include "platform/posix/posix_file_handle.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_open_flags.h"

namespace brenx::platform {

namespace {

// What stands at the path decides whether it may be opened at all: only a
// regular file, not on a kernel file system, and not read-only when it is to
// be changed. A link is looked at itself first (one call when nothing is
// there). `exists` tells the caller whether the file is there.
HostError CheckBeforeOpen(const std::string& host, Access access, Disposition disposition,
                          VolumeKinds& volumes, bool& exists) {
    struct stat status {};
    exists = lstat(host.c_str(), &status) == 0;
    if (!exists) return errno == ENOENT ? HostError::None : HostErrorFromErrno(errno);
    // A dangling link is not followed to create whatever it names.
    if (S_ISLNK(status.st_mode) && stat(host.c_str(), &status) != 0) {
        exists = false;
        if (errno != ENOENT) return HostErrorFromErrno(errno);
        return disposition == Disposition::OpenExisting ? HostError::NotFound
                                                        : HostError::AccessDenied;
    }
    VolumeKind kind;
    if (!S_ISREG(status.st_mode) || !volumes.OfPath(host, status.st_dev, kind) || kind.kernel) {
        return HostError::AccessDenied;
    }
    if (disposition == Disposition::CreateNew) return HostError::AlreadyExists;
    if (Changes(access, disposition) && (status.st_mode & S_IWUSR) == 0) {
        return HostError::AccessDenied;
    }
    return HostError::None;
}

// The directory that holds the file a host path names.
std::string_view DirectoryOf(const std::string& host) {
    const std::size_t slash = host.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? std::string_view("/") : std::string_view(host).substr(0, slash);
}

}  // namespace

std::unique_ptr<FileHandle> PosixFileSystem::Adopt(const Opened& opened, std::string host) {
    // The file may have been swapped for something else since it was looked
    // at (or it was not looked at: a file just listed or opened); the open
    // did not block (O_NONBLOCK), and here it is refused. Files of the
    // kernel's own file systems are refused too.
    struct stat status {};
    VolumeKind kind;
    if (fstat(opened.fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        !volumes_.OfOpenFile(opened.fd, status.st_dev, kind) || kind.kernel ||
        (opened.readOnlyRefused && (status.st_mode & S_IWUSR) == 0)) {
        close(opened.fd);
        recentFiles_->Forget(host);
        return Fail(HostError::AccessDenied, nullptr);
    }
    return Admit(opened, std::move(host), kind, FileStatusOf(status));
}

std::unique_ptr<FileHandle> PosixFileSystem::Admit(const Opened& opened, std::string host,
                                                   const VolumeKind& kind,
                                                   const FileStatus& atOpen) {
    // Where O_NONBLOCK could change how the file reads or writes, it goes.
    if (!kind.nonblockingHarmless) fcntl(opened.fd, F_SETFL, 0);
    // An existing file opened for writing loses its archive record (once:
    // this layer knows when it has removed it, or made the file).
    if (opened.removeRecord && !recentFiles_->RecordGone(host)) SetArchiveOnOpenFile(opened.fd);
    if (opened.writes) {
        recentFiles_->SetRecordGone(host);
    } else {
        recentFiles_->Remember(host);
    }
    SetLastError(HostError::None);
    return std::make_unique<PosixFileHandle>(opened.fd, std::move(host), atOpen, recentFiles_,
                                             openHandles_, kind.keepsDates);
}

// A file that the open itself made (O_EXCL) is a regular file of length 0
// on its directory's file system, with no archive record: its descriptor
// needs no look. The directory's file system is known before anything is
// made, so nothing is made on a kernel file system.
std::unique_ptr<FileHandle> PosixFileSystem::CreateNewFile(std::string& host, Access access) {
    VolumeKind kind;
    const bool known = volumes_.OfDirectory(DirectoryOf(host), kind);
    if (known && kind.kernel) return Fail(HostError::AccessDenied, nullptr);
    const int fd = OpenAt(AT_FDCWD, host.c_str(), OpenFlags(access, Disposition::CreateNew));
    if (fd < 0) {
        FailCreating(errno, host);
        return nullptr;
    }
    const Opened opened{fd, true, false, false};
    return known ? Admit(opened, std::move(host), kind, FileStatus{0})
                 : Adopt(opened, std::move(host));
}

std::unique_ptr<FileHandle> PosixFileSystem::Open(const std::string& path, Access access,
                                                  Disposition disposition) {
    std::string host;
    if (HostError e = Resolve(path, host); e != HostError::None) return Fail(e, nullptr);
    const bool writes = Changes(access, disposition);
    if (disposition == Disposition::CreateAlways) {
        // Most files a copy makes are new: made so, there is nothing to look
        // at first and no archive record to remove.
        std::unique_ptr<FileHandle> made = CreateNewFile(host, access);
        if (made || LastError() != HostError::AlreadyExists) return made;
    }
    // A file just listed or opened as a regular file is not looked at again,
    // unless the open would truncate it before the descriptor can be checked.
    const bool lookFirst =
        disposition == Disposition::CreateAlways || !recentFiles_->Contains(host);
    bool exists = true;
    if (lookFirst) {
        if (HostError e = CheckBeforeOpen(host, access, disposition, volumes_, exists);
            e != HostError::None) {
            return Fail(e, nullptr);
        }
    }
    if (!exists && disposition == Disposition::OpenExisting) {
        FailErrno(ENOENT, host);
        return nullptr;
    }
    const int fd = OpenAt(AT_FDCWD, host.c_str(), OpenFlags(access, disposition));
    if (fd < 0) {
        if (exists || disposition == Disposition::OpenExisting) {
            FailErrno(errno, host);
        } else {
            FailCreating(errno, host);
        }
        return nullptr;
    }
    return Adopt({fd, writes, writes && !lookFirst, writes && exists}, std::move(host));
}

bool PosixFileSystem::DeleteFile(const std::string& path) {
    std::string host;
    if (HostError e = Resolve(path, host); e != HostError::None) return Fail(e, false);
    struct stat own {};
    if (lstat(host.c_str(), &own) != 0) return FailErrno(errno, host);
    if (S_ISDIR(own.st_mode)) return Fail(HostError::AccessDenied, false);
    if (S_ISREG(own.st_mode) && (own.st_mode & S_IWUSR) == 0) {
        return Fail(HostError::AccessDenied, false);
    }
    recentFiles_->Forget(host);
    if (unlink(host.c_str()) != 0) return FailErrno(errno, host);
    SetLastError(HostError::None);
    return true;
}

std::int64_t PosixFileSystem::GetAttributes(const std::string& path) {
    WindowsPath windows;
    std::string host;
    if (HostError e = Resolve(path, windows, host); e != HostError::None) {
        return Fail(e, std::int64_t{-1});
    }
    HostEntry entry;
    const std::string name = windows.components.empty() ? std::string() : windows.components.back();
    if (HostError e = DescribeHostEntry(host, name, entry); e != HostError::None) {
        return Fail(e == HostError::NotFound ? ErrorOf(ENOENT, host) : e, std::int64_t{-1});
    }
    SetLastError(HostError::None);
    return entry.attributes;
}

bool PosixFileSystem::SetAttributes(const std::string& path, std::uint32_t attributes) {
    std::string host;
    if (HostError e = Resolve(path, host); e != HostError::None) return Fail(e, false);
    struct stat status {};
    if (stat(host.c_str(), &status) != 0) return FailErrno(errno, host);
    const bool readOnly = (attributes & kAttrReadOnly) != 0;
    if (readOnly != ((status.st_mode & S_IWUSR) == 0)) {
        const mode_t writeBits = S_IWUSR | S_IWGRP | S_IWOTH;
        const mode_t mode = readOnly ? status.st_mode & ~writeBits : status.st_mode | S_IWUSR;
        if (chmod(host.c_str(), mode & 07777) != 0) return FailErrno(errno, host);
    }
    const HostError archive =
        (attributes & kAttrArchive) != 0 ? SetArchive(host) : ClearArchive(host);
    recentFiles_->SetRecordPossible(host);
    if (archive != HostError::None) return Fail(archive, false);
    SetLastError(HostError::None);
    return true;
}

DosDateTime PosixFileSystem::GetFileDate(const std::string& path) {
    std::string host;
    if (HostError e = Resolve(path, host); e != HostError::None) return Fail(e, kNoDosDateTime);
    struct stat status {};
    if (stat(host.c_str(), &status) != 0) {
        FailErrno(errno, host);
        return kNoDosDateTime;
    }
    SetLastError(HostError::None);
    return DosDateTimeFromUnix(status.st_mtim.tv_sec);
}

bool PosixFileSystem::SetFileDate(const std::string& path, DosDateTime date) {
    std::string host;
    if (HostError e = Resolve(path, host); e != HostError::None) return Fail(e, false);
    std::int64_t seconds = 0;
    if (!UnixFromDosDateTime(date, seconds)) return Fail(HostError::InvalidArgument, false);
    // A new date is no change of the contents: the archive bit stays as it
    // was. Only a file with a record can have it clear.
    std::string record;
    bool wasClear = false;
    if (!recentFiles_->RecordGone(host) && ReadArchiveRecord(host, record)) {
        struct stat before {};
        if (stat(host.c_str(), &before) != 0) return FailErrno(errno, host);
        wasClear = RecordMatches(record, before);
    }
    // The access time goes with it (see PosixFileHandle::SetDate).
    const struct timespec times[2] = {{static_cast<time_t>(seconds), 0},
                                      {static_cast<time_t>(seconds), 0}};
    if (utimensat(AT_FDCWD, host.c_str(), times, 0) != 0) return FailErrno(errno, host);
    if (wasClear) {
        ClearArchive(host);
        recentFiles_->SetRecordPossible(host);
    }
    SetLastError(HostError::None);
    return true;
}

}  // namespace brenx::platform
