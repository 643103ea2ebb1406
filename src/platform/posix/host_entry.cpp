#include "platform/posix/host_entry.h"

#include <dirent.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>

#include <cerrno>

#include "platform/file_attributes.h"
#include "platform/posix/archive_attribute.h"
#include "platform/posix/errno_error.h"

namespace brenx::platform {

namespace {

bool IsKernelFileSystem(const std::string& hostPath) {
    struct statfs info {};
    return statfs(hostPath.c_str(), &info) == 0 &&
           IsKernelFileSystemType(static_cast<unsigned long>(info.f_type));
}

bool IsHiddenName(std::string_view name) {
    return !name.empty() && name.front() == '.' && name != "." && name != "..";
}

}  // namespace

bool IsKernelFileSystemType(unsigned long type) {
    switch (type) {
        case PROC_SUPER_MAGIC:
        case SYSFS_MAGIC:
        case DEVPTS_SUPER_MAGIC:
        case DEBUGFS_MAGIC:
        case TRACEFS_MAGIC:
        case SECURITYFS_MAGIC:
        case CGROUP_SUPER_MAGIC:
        case CGROUP2_SUPER_MAGIC:
        case BPF_FS_MAGIC:
        case PSTOREFS_MAGIC:
        case EFIVARFS_MAGIC:
        case BINFMTFS_MAGIC:
        case 0x62656570:  // configfs
        case 0x65735543:  // fusectl
        case 0x19800202:  // mqueue
            return true;
        default:
            return false;
    }
}

HostEntry DescribeListedEntry(unsigned char listedType, std::string_view name) {
    HostEntry result;
    if (IsHiddenName(name)) result.attributes |= kAttrHidden;
    switch (listedType) {
        case DT_DIR:
            result.attributes |= kAttrDirectory;
            break;
        case DT_FIFO:
        case DT_CHR:
        case DT_BLK:
        case DT_SOCK:
            result.attributes |= kAttrSystem;
            break;
        default:
            break;
    }
    result.archiveKnown = false;
    return result;
}

HostError DescribeHostEntry(const std::string& hostPath, std::string_view name, HostEntry& entry,
                            bool withArchive) {
    struct stat own {};
    if (lstat(hostPath.c_str(), &own) != 0) return HostErrorFromErrno(errno);
    struct stat target = own;
    const bool isLink = S_ISLNK(own.st_mode);
    const bool dangling = isLink && stat(hostPath.c_str(), &target) != 0;
    HostEntry result;
    result.date = DosDateTimeFromUnix(dangling ? own.st_mtim.tv_sec : target.st_mtim.tv_sec);
    if (IsHiddenName(name)) result.attributes |= kAttrHidden;
    if (dangling) {
        result.attributes |= kAttrArchive;
    } else if (S_ISDIR(target.st_mode)) {
        result.attributes |= kAttrDirectory;
        if (isLink || IsKernelFileSystem(hostPath)) result.attributes |= kAttrSystem;
        if ((target.st_mode & S_IWUSR) == 0) result.attributes |= kAttrReadOnly;
        if (withArchive && !isLink && !IsArchiveClear(hostPath, target)) {
            result.attributes |= kAttrArchive;
        }
    } else if (S_ISREG(target.st_mode)) {
        result.regular = true;
        result.size = target.st_size;
        if ((target.st_mode & S_IWUSR) == 0) result.attributes |= kAttrReadOnly;
        if (withArchive && !IsArchiveClear(hostPath, target)) result.attributes |= kAttrArchive;
    } else {
        result.attributes |= kAttrSystem;
    }
    if (!withArchive) result.attributes &= ~kAttrArchive;
    result.archiveKnown = withArchive;
    entry = result;
    return HostError::None;
}

}  // namespace brenx::platform
