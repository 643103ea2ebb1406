#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>
#include <unordered_map>

namespace brenx::platform {

// What the emulation must know of a file system before it lets a file on it
// be read or written.
struct VolumeKind {
    // The kernel's own (/proc, /sys and the like): no file on it is opened.
    bool kernel = false;
    // A local disk or memory file system, whose regular files ignore
    // O_NONBLOCK: an open descriptor there may keep the flag.
    bool nonblockingHarmless = false;
    // The host's own disk or memory file system, which keeps a modification
    // time exactly as it is set (up to 2038 in its smallest formats). FUSE
    // drivers, FAT and network file systems are not taken at their word.
    bool keepsDates = false;
};

// The kind of every file system met so far, learnt once per device number
// (one fstatfs per file system instead of one per open). A device number
// names one mounted file system for the life of the program here.
class VolumeKinds {
  public:
    // The kind of the file system that holds the open file `fd` (whose
    // device is `device`); false when it cannot be told.
    bool OfOpenFile(int fd, dev_t device, VolumeKind& kind);
    // The same for the file at the host path (links followed), whose device
    // is `device`.
    bool OfPath(const std::string& hostPath, dev_t device, VolumeKind& kind);

    // The kind of the file system that holds the directory: a file created
    // in it lies there too, so a file just made needs no look of its own.
    // The last directory asked for is remembered by its host path until
    // ForgetDirectories; false when it cannot be told.
    bool OfDirectory(std::string_view hostDirectory, VolumeKind& kind);
    // What is mounted where may have changed (new media): directories are
    // looked at afresh.
    void ForgetDirectories() { lastDirectory_.clear(); }

  private:
    std::unordered_map<dev_t, VolumeKind> known_;
    std::string lastDirectory_;
    VolumeKind lastDirectoryKind_;
};

// The kind of a file-system type (statfs f_type).
VolumeKind KindOfFileSystemType(unsigned long type);

}  // namespace brenx::platform
