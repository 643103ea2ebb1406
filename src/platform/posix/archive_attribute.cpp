#include "platform/posix/archive_attribute.h"

#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <functional>

#include "platform/posix/errno_error.h"

namespace brenx::platform {

namespace {

std::string RecordOf(const struct stat& status) {
    return std::to_string(status.st_mtim.tv_sec) + "." + std::to_string(status.st_mtim.tv_nsec) +
           ":" + std::to_string(status.st_size);
}

bool IsUnsupported(int error) {
    return error == ENOTSUP;
}

// User attributes need write permission on the file. The owner of a read-only
// file may still change its archive bit (as on Windows), so the permission is
// lent for the one call and taken back at once.
int WithWritePermission(const std::string& hostPath, const std::function<int()>& change) {
    if (change() == 0) return 0;
    const int first = errno;
    struct stat status {};
    if ((first != EACCES && first != EPERM) || stat(hostPath.c_str(), &status) != 0 ||
        (status.st_mode & S_IWUSR) != 0 || status.st_uid != geteuid()) {
        errno = first;
        return -1;
    }
    if (chmod(hostPath.c_str(), (status.st_mode | S_IWUSR) & 07777) != 0) {
        errno = first;
        return -1;
    }
    const int result = change();
    const int second = errno;
    chmod(hostPath.c_str(), status.st_mode & 07777);
    errno = second;
    return result;
}

// WithWritePermission for an open file.
int WithWritePermissionOf(int fd, const std::function<int()>& change) {
    if (change() == 0) return 0;
    const int first = errno;
    struct stat status {};
    if ((first != EACCES && first != EPERM) || fstat(fd, &status) != 0 ||
        (status.st_mode & S_IWUSR) != 0 || status.st_uid != geteuid() ||
        fchmod(fd, (status.st_mode | S_IWUSR) & 07777) != 0) {
        errno = first;
        return -1;
    }
    const int result = change();
    const int second = errno;
    fchmod(fd, status.st_mode & 07777);
    errno = second;
    return result;
}

}  // namespace

bool ReadArchiveRecord(const std::string& hostPath, std::string& record) {
    char buffer[64];
    const ssize_t length =
        getxattr(hostPath.c_str(), kArchiveClearedAttribute, buffer, sizeof buffer);
    if (length < 0) return false;
    record.assign(buffer, static_cast<std::size_t>(length));
    return true;
}

bool RecordMatches(const std::string& record, const struct stat& status) {
    return record == RecordOf(status);
}

bool IsArchiveClear(const std::string& hostPath, const struct stat& status) {
    std::string record;
    return ReadArchiveRecord(hostPath, record) && RecordMatches(record, status);
}

HostError ClearArchive(const std::string& hostPath) {
    struct stat status {};
    if (stat(hostPath.c_str(), &status) != 0) return HostErrorFromErrno(errno);
    const std::string record = RecordOf(status);
    const int result = WithWritePermission(hostPath, [&] {
        return setxattr(hostPath.c_str(), kArchiveClearedAttribute, record.data(), record.size(),
                        0);
    });
    if (result == 0) return HostError::None;
    return IsUnsupported(errno) ? HostError::NotSupported : HostErrorFromErrno(errno);
}

HostError SetArchive(const std::string& hostPath) {
    const int result = WithWritePermission(
        hostPath, [&] { return removexattr(hostPath.c_str(), kArchiveClearedAttribute); });
    if (result == 0 || errno == ENODATA || IsUnsupported(errno)) return HostError::None;
    return HostErrorFromErrno(errno);
}

void SetArchiveOnOpenFile(int fd) {
    fremovexattr(fd, kArchiveClearedAttribute);
}

HostError ClearArchiveOfOpenFile(int fd) {
    struct stat status {};
    if (fstat(fd, &status) != 0) return HostErrorFromErrno(errno);
    const std::string record = RecordOf(status);
    const int result = WithWritePermissionOf(fd, [&] {
        return fsetxattr(fd, kArchiveClearedAttribute, record.data(), record.size(), 0);
    });
    if (result == 0) return HostError::None;
    return IsUnsupported(errno) ? HostError::NotSupported : HostErrorFromErrno(errno);
}

HostError SetArchiveOfOpenFile(int fd) {
    const int result =
        WithWritePermissionOf(fd, [&] { return fremovexattr(fd, kArchiveClearedAttribute); });
    if (result == 0 || errno == ENODATA || IsUnsupported(errno)) return HostError::None;
    return HostErrorFromErrno(errno);
}

}  // namespace brenx::platform
