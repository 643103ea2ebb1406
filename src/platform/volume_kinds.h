#pragma once

#include <sys/types.h>

#include <string>
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
};

// The kind of every file system met so far, learnt once per device number
// (one fstatfs per file system instead of one per open). A device number
// names one mounted file system for the life of the program here.
class VolumeKinds {
  public:
    // The kind of the file system that holds the open file `fd` (whose
    // device is `device`); false when it cannot be told.
    bool OfOpenFile(int fd, dev_t device, VolumeKind& kind);

  private:
    std::unordered_map<dev_t, VolumeKind> known_;
};

// The kind of a file-system type (statfs f_type).
VolumeKind KindOfFileSystemType(unsigned long type);

}  // namespace brenx::platform
