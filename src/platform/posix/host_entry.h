#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/dos_date_time.h"
#include "platform/host_error.h"

namespace brenx::platform {

// What a directory entry of the host looks like in Windows terms.
struct HostEntry {
    std::uint32_t attributes = 0;
    std::int64_t size = 0;  // 0 for everything but regular files
    DosDateTime date = kNoDosDateTime;
    bool regular = false;      // a regular file, or a link to one: what Open takes
    bool archiveKnown = true;  // false: the archive bit was not looked up
};

// Describes the entry at `hostPath` whose own name is `name` (empty for the
// root of a drive):
// - a regular file, or a link to one: read-only without the owner's write
//   permission, archive unless cleared since its last change;
// - a directory: Directory (never reached through a link);
// - a link to a directory, a directory of a kernel file system (/proc, /sys)
//   and anything that is neither a file nor a directory (fifo, socket,
//   device): System, so that the walks never enter or open it;
// - a dangling link: a plain file that cannot be opened;
// - Hidden when the name begins with a dot.
// Without `withArchive` the archive bit (an extended attribute, one more call
// on the path) is not looked up: it is left clear and archiveKnown false.
HostError DescribeHostEntry(const std::string& hostPath, std::string_view name, HostEntry& entry,
                            bool withArchive = true);

// What a directory's own listing tells of an entry that could not be looked
// at: Hidden by its name; Directory for a directory, System for anything
// that is neither a file nor a directory nor a link (`listedType` is the
// listing's d_type, DT_UNKNOWN when it tells nothing). Size and date stay
// unknown.
HostEntry DescribeListedEntry(unsigned char listedType, std::string_view name);

// True for the file-system types whose files are the kernel's own (/proc,
// /sys and the like): reading some of them blocks for ever or has side
// effects, so the walks never enter them and no file on them is opened.
bool IsKernelFileSystemType(unsigned long type);

}  // namespace brenx::platform
