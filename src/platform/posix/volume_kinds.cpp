#include "platform/posix/volume_kinds.h"

#include <linux/magic.h>
#include <sys/vfs.h>

#include "platform/posix/host_entry.h"

namespace brenx::platform {
namespace {

// Local file systems on which O_NONBLOCK has no effect on regular files.
bool IgnoresNonblocking(unsigned long type) {
    switch (type) {
        case EXT4_SUPER_MAGIC:  // ext2, ext3 and ext4 share it
        case XFS_SUPER_MAGIC:
        case BTRFS_SUPER_MAGIC:
        case TMPFS_MAGIC:
        case RAMFS_MAGIC:
        case F2FS_SUPER_MAGIC:
        case MSDOS_SUPER_MAGIC:
        case ISOFS_SUPER_MAGIC:
        case UDF_SUPER_MAGIC:
        case OVERLAYFS_SUPER_MAGIC:
        case 0x2011BAB0:  // exfat
        case 0x7366746E:  // ntfs3
            return true;
        default:
            return false;
    }
}

// File systems whose drivers store the times utimensat gives them.
bool KeepsDates(unsigned long type) {
    switch (type) {
        case EXT4_SUPER_MAGIC:  // ext2, ext3 and ext4 share it
        case XFS_SUPER_MAGIC:
        case BTRFS_SUPER_MAGIC:
        case TMPFS_MAGIC:
            return true;
        default:
            return false;
    }
}

}  // namespace

VolumeKind KindOfFileSystemType(unsigned long type) {
    VolumeKind kind;
    kind.kernel = IsKernelFileSystemType(type);
    kind.nonblockingHarmless = !kind.kernel && IgnoresNonblocking(type);
    kind.keepsDates = KeepsDates(type);
    return kind;
}

namespace {

// The kind of the device's file system: remembered, or learnt by `look`
// (statfs or fstatfs, which returns 0 on success) and then remembered.
template <typename Look>
bool KindOfDevice(std::unordered_map<dev_t, VolumeKind>& known, dev_t device, VolumeKind& kind,
                  Look look) {
    const auto found = known.find(device);
    if (found != known.end()) {
        kind = found->second;
        return true;
    }
    struct statfs volume {};
    if (look(volume) != 0) return false;
    kind = KindOfFileSystemType(static_cast<unsigned long>(volume.f_type));
    known.emplace(device, kind);
    return true;
}

}  // namespace

bool VolumeKinds::OfOpenFile(int fd, dev_t device, VolumeKind& kind) {
    return KindOfDevice(known_, device, kind,
                        [fd](struct statfs& volume) { return fstatfs(fd, &volume); });
}

bool VolumeKinds::OfPath(const std::string& hostPath, dev_t device, VolumeKind& kind) {
    return KindOfDevice(known_, device, kind, [&hostPath](struct statfs& volume) {
        return statfs(hostPath.c_str(), &volume);
    });
}

bool VolumeKinds::OfDirectory(std::string_view hostDirectory, VolumeKind& kind) {
    if (!lastDirectory_.empty() && lastDirectory_ == hostDirectory) {
        kind = lastDirectoryKind_;
        return true;
    }
    const std::string directory(hostDirectory);
    struct statfs volume {};
    if (directory.empty() || statfs(directory.c_str(), &volume) != 0) return false;
    kind = KindOfFileSystemType(static_cast<unsigned long>(volume.f_type));
    lastDirectory_ = directory;
    lastDirectoryKind_ = kind;
    return true;
}

}  // namespace brenx::platform
