// The PosixFileSystem calls that a copy makes on its destination: every
// name below the drive's own directory is reached relative to the directory
// above it (DirectoryChain) and never through a link.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>  // renameat2

#include "platform/posix/archive_attribute.h"
#include "platform/posix/errno_error.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_open_flags.h"

namespace brenx::platform {
namespace {

// Making an entry in a directory that is there: a "missing" entry, or an
// invalid argument, is a name the medium refuses (exFAT and FAT via FUSE).
HostError CreatingError(int errnoValue) {
    if (errnoValue == ENOENT || errnoValue == EINVAL) return HostError::InvalidName;
    if (errnoValue == ELOOP) return HostError::LinkRefused;
    return HostErrorFromErrno(errnoValue);
}

// What stands at a name decides whether a call may touch it: never a link,
// only a regular file, and not a read-only one when it is to be changed.
HostError CheckFileAt(const struct stat& status, bool changes) {
    if (S_ISLNK(status.st_mode)) return HostError::LinkRefused;
    if (!S_ISREG(status.st_mode)) return HostError::AccessDenied;
    if (changes && (status.st_mode & S_IWUSR) == 0) return HostError::AccessDenied;
    return HostError::None;
}

// The entry at the name, not followed; the error of the look when it fails.
HostError LookAt(int directory, const std::string& name, struct stat& status) {
    if (fstatat(directory, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0) {
        return HostError::None;
    }
    return HostErrorFromErrno(errno);
}

}  // namespace

std::string_view PosixFileSystem::LinkFreePath::Below() const {
    if (nameStart <= belowStart) return {};
    return std::string_view(host).substr(belowStart, nameStart - 1 - belowStart);
}

HostError PosixFileSystem::ResolveWithoutLinks(const std::string& path, LinkFreePath& target) {
    if (HostError e = Resolve(path, target.host); e != HostError::None) return e;
    std::string& host = target.host;
    while (host.size() > 1 && host.back() == '/')
        host.pop_back();
    target.root = resolvedRoot_;
    std::size_t rootLength = target.root.size();
    while (rootLength > 0 && target.root[rootLength - 1] == '/')
        --rootLength;
    // The mapping's directory is a prefix of every path it gives.
    if (host.compare(0, rootLength, target.root, 0, rootLength) != 0 ||
        (host.size() > rootLength && host[rootLength] != '/')) {
        return HostError::InvalidArgument;
    }
    if (host.size() <= rootLength) {
        // The root itself: nothing below it, no last name.
        target.belowStart = target.nameStart = host.size();
    } else {
        target.belowStart = rootLength + 1;
        target.nameStart = host.rfind('/') + 1;
    }
    return HostError::None;
}

int PosixFileSystem::ReachDirectoryOf(const std::string& path, LinkFreePath& target) {
    if (HostError e = ResolveWithoutLinks(path, target); e != HostError::None) return Fail(e, -1);
    // The root of a drive is no file.
    if (target.nameStart >= target.host.size()) return Fail(HostError::AccessDenied, -1);
    HostError error = HostError::None;
    const int directory = chain_.Reach(target.root, target.Below(), false, error);
    if (directory < 0) return Fail(error, -1);
    return directory;
}

std::unique_ptr<FileHandle> PosixFileSystem::CreateNewAt(int directory, const std::string& name,
                                                         std::string host, int flags) {
    VolumeKind kind;
    const bool known = chain_.KindOfLast(volumes_, kind);
    if (known && kind.kernel) return Fail(HostError::AccessDenied, nullptr);
    const int fd = OpenAt(directory, name.c_str(), (flags & ~O_TRUNC) | O_CREAT | O_EXCL);
    if (fd < 0 && errno != EEXIST) return Fail(CreatingError(errno), nullptr);
    if (fd < 0) {
        // Taken: by a file (which a caller may go on to open), or by what
        // no file can replace.
        struct stat status {};
        const bool file =
            LookAt(directory, name, status) != HostError::None || S_ISREG(status.st_mode);
        return Fail(file ? HostError::AlreadyExists : CheckFileAt(status, false), nullptr);
    }
    const Opened opened{fd, true, false, false};
    return known ? Admit(opened, std::move(host), kind, FileStatus{0})
                 : Adopt(opened, std::move(host));
}

std::unique_ptr<FileHandle> PosixFileSystem::OpenWithoutLinks(const std::string& path,
                                                              Access access,
                                                              Disposition disposition) {
    LinkFreePath target;
    const int directory = ReachDirectoryOf(path, target);
    if (directory < 0) return nullptr;
    const std::string name = target.Name();
    const int flags = OpenFlags(access, disposition) | O_NOFOLLOW;
    const bool creates =
        disposition == Disposition::CreateAlways || disposition == Disposition::CreateNew;
    if (creates) {
        // Most files a copy makes are new: nothing to look at first.
        std::unique_ptr<FileHandle> made = CreateNewAt(directory, name, target.host, flags);
        if (made || LastError() != HostError::AlreadyExists) return made;
    }
    struct stat status {};
    const HostError look = LookAt(directory, name, status);
    const bool exists = look == HostError::None;
    const bool writes = Changes(access, disposition);
    if (exists) {
        if (HostError e = CheckFileAt(status, writes); e != HostError::None)
            return Fail(e, nullptr);
        if (disposition == Disposition::CreateNew) return Fail(HostError::AlreadyExists, nullptr);
    } else if (look != HostError::NotFound || disposition == Disposition::OpenExisting) {
        return Fail(look, nullptr);
    }
    // O_NOFOLLOW: a link put there since the look is refused all the same.
    const int fd = OpenAt(directory, name.c_str(), flags);
    if (fd < 0) {
        const int why = errno;
        if (why == ELOOP) return Fail(HostError::LinkRefused, nullptr);
        return Fail(exists ? HostErrorFromErrno(why) : CreatingError(why), nullptr);
    }
    return Adopt({fd, writes, false, writes && exists}, std::move(target.host));
}

bool PosixFileSystem::MakeDirectoriesWithoutLinks(const std::string& path) {
    LinkFreePath target;
    if (HostError e = ResolveWithoutLinks(path, target); e != HostError::None)
        return Fail(e, false);
    HostError error = HostError::None;
    const std::string_view below =
        std::string_view(target.host).substr(std::min(target.belowStart, target.host.size()));
    if (chain_.Reach(target.root, below, true, error) < 0) return Fail(error, false);
    SetLastError(HostError::None);
    return true;
}

bool PosixFileSystem::DeleteWithoutLinks(const std::string& path) {
    LinkFreePath target;
    const int directory = ReachDirectoryOf(path, target);
    if (directory < 0) return false;
    const std::string name = target.Name();
    struct stat status {};
    if (HostError e = LookAt(directory, name, status); e != HostError::None) return Fail(e, false);
    if (S_ISLNK(status.st_mode)) return Fail(HostError::LinkRefused, false);
    if (S_ISDIR(status.st_mode)) return Fail(HostError::AccessDenied, false);
    if (S_ISREG(status.st_mode) && (status.st_mode & S_IWUSR) == 0) {
        return Fail(HostError::AccessDenied, false);
    }
    recentFiles_->Forget(target.host);
    if (unlinkat(directory, name.c_str(), 0) != 0) return Fail(HostErrorFromErrno(errno), false);
    SetLastError(HostError::None);
    return true;
}

int PosixFileSystem::ReachRenameDirectory(const std::string& from, const std::string& to,
                                          RenameNames& names) {
    LinkFreePath source;
    LinkFreePath target;
    if (HostError e = ResolveWithoutLinks(to, target); e != HostError::None) return Fail(e, -1);
    const int directory = ReachDirectoryOf(from, source);
    if (directory < 0) return -1;
    if (target.root != source.root || target.Below() != source.Below() ||
        target.nameStart >= target.host.size()) {
        return Fail(HostError::InvalidArgument, -1);
    }
    names.from = source.Name();
    names.to = target.Name();
    recentFiles_->Forget(source.host);
    recentFiles_->Forget(target.host);
    return directory;
}

bool PosixFileSystem::RenameWithoutLinks(const std::string& from, const std::string& to) {
    RenameNames names;
    const int directory = ReachRenameDirectory(from, to, names);
    if (directory < 0) return false;
    struct stat status {};
    if (HostError e = LookAt(directory, names.from, status); e != HostError::None)
        return Fail(e, false);
    if (HostError e = CheckFileAt(status, false); e != HostError::None) return Fail(e, false);
    // A file of the new name is replaced only when it could be deleted.
    const HostError there = LookAt(directory, names.to, status);
    if (there == HostError::None) {
        if (HostError e = CheckFileAt(status, true); e != HostError::None) return Fail(e, false);
    } else if (there != HostError::NotFound) {
        return Fail(there, false);
    }
    if (renameat(directory, names.from.c_str(), directory, names.to.c_str()) != 0) {
        return Fail(CreatingError(errno), false);
    }
    SetLastError(HostError::None);
    return true;
}

bool PosixFileSystem::RenameNewWithoutLinks(const std::string& from, const std::string& to) {
    RenameNames names;
    const int directory = ReachRenameDirectory(from, to, names);
    if (directory < 0) return false;
    // The file at `from` is the caller's own, made new: only the new name
    // needs care. FUSE drivers of libfuse 2 take no flags (EINVAL): there a
    // look comes first.
    const char* oldName = names.from.c_str();
    const char* newName = names.to.c_str();
    if (renameat2(directory, oldName, directory, newName, RENAME_NOREPLACE) == 0) {
        SetLastError(HostError::None);
        return true;
    }
    if (errno != EINVAL) return Fail(CreatingError(errno), false);
    struct stat status {};
    const HostError there = LookAt(directory, names.to, status);
    if (there == HostError::None) return Fail(HostError::AlreadyExists, false);
    if (there != HostError::NotFound) return Fail(there, false);
    if (renameat(directory, oldName, directory, newName) != 0) {
        return Fail(CreatingError(errno), false);
    }
    SetLastError(HostError::None);
    return true;
}

int PosixFileSystem::ReachFileWithoutLinks(const std::string& path, LinkFreePath& target,
                                           struct stat& status) {
    const int directory = ReachDirectoryOf(path, target);
    if (directory < 0) return -1;
    HostError error = LookAt(directory, target.Name(), status);
    if (error == HostError::None) error = CheckFileAt(status, false);
    return error == HostError::None ? directory : Fail(error, -1);
}

DosDateTime PosixFileSystem::GetDateWithoutLinks(const std::string& path) {
    LinkFreePath target;
    struct stat status {};
    if (ReachFileWithoutLinks(path, target, status) < 0) return kNoDosDateTime;
    SetLastError(HostError::None);
    return DosDateTimeFromUnix(status.st_mtim.tv_sec);
}

bool PosixFileSystem::SetDateWithoutLinks(const std::string& path, DosDateTime date) {
    std::int64_t seconds = 0;
    if (!UnixFromDosDateTime(date, seconds)) return Fail(HostError::InvalidArgument, false);
    LinkFreePath target;
    struct stat status {};
    const int directory = ReachFileWithoutLinks(path, target, status);
    if (directory < 0) return false;
    // Both times, as for a date set through a handle.
    const struct timespec times[2] = {{static_cast<time_t>(seconds), 0},
                                      {static_cast<time_t>(seconds), 0}};
    if (utimensat(directory, target.Name().c_str(), times, AT_SYMLINK_NOFOLLOW) != 0) {
        return Fail(HostErrorFromErrno(errno), false);
    }
    recentFiles_->Forget(target.host);
    SetLastError(HostError::None);
    return true;
}

bool PosixFileSystem::SetAttributesWithoutLinks(const std::string& path, std::uint32_t attributes) {
    LinkFreePath target;
    const int directory = ReachDirectoryOf(path, target);
    if (directory < 0) return false;
    const int fd = OpenAt(directory, target.Name().c_str(),
                          O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return Fail(errno == ELOOP ? HostError::LinkRefused : HostErrorFromErrno(errno), false);
    struct stat status {};
    HostError error = fstat(fd, &status) != 0 ? HostErrorFromErrno(errno) : HostError::None;
    if (error == HostError::None && !S_ISREG(status.st_mode)) error = HostError::AccessDenied;
    const bool readOnly = (attributes & kAttrReadOnly) != 0;
    if (error == HostError::None && readOnly != ((status.st_mode & S_IWUSR) == 0)) {
        const mode_t writeBits = S_IWUSR | S_IWGRP | S_IWOTH;
        const mode_t mode = readOnly ? status.st_mode & ~writeBits : status.st_mode | S_IWUSR;
        if (fchmod(fd, mode & 07777) != 0) error = HostErrorFromErrno(errno);
    }
    if (error == HostError::None) {
        error = (attributes & kAttrArchive) != 0 ? SetArchiveOfOpenFile(fd)
                                                 : ClearArchiveOfOpenFile(fd);
        recentFiles_->SetRecordPossible(target.host);
    }
    close(fd);
    SetLastError(error);
    return error == HostError::None;
}

}  // namespace brenx::platform
