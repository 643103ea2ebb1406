#pragma once

#include <memory>
#include <string>

#include "copy/copy_result.h"
#include "copy/file_facts.h"
#include "copy/room_check.h"
#include "platform/file_handle.h"

namespace brenx::run {
class RunState;
}

namespace brenx::copy {

// The file a copy writes. A copy is written under a temporary name in its
// directory (unfinished_copy.h) and takes its own name only once it is
// whole, dated and closed, so that a copy cut short (a run killed, a stick
// pulled, a broken copy that could not be deleted) never stands under the
// name of a good one, where the next NewerOnly run would take it for one.
// An older copy is never destroyed by a copy that fails: while the medium
// has room for both, the new copy is written beside it the same way. Only
// when the medium has room for the new copy in the older one's place alone
// is the older copy overwritten in place, which the log tells.
//
// Everything here reaches the destination without following links.
struct CopyTarget {
    std::string destination;  // the copy's name
    std::string written;      // the name written under: the destination or a temporary one
    std::unique_ptr<platform::FileHandle> file;
    bool olderCopy = false;  // something is at the destination's name

    bool Beside() const { return written != destination; }
};

// Opens `target.file` for the copy of `target.destination`; `facts` tell
// what its directory's listing showed there, `room` how the copy fits.
// Fails with kCopyCreateFailed when nothing could be made (a read-only older
// copy is not replaced).
CopyOutcome OpenTarget(run::RunState& run, const FileFacts& facts, Room room, CopyTarget& target);

// Puts the whole and closed copy in its place: a copy written under a
// temporary name takes its own (the older copy's, when there is one, or
// when one turns up that its directory's listing did not show). On failure
// the older copy stays as it was.
CopyOutcome PutInPlace(run::RunState& run, CopyTarget& target);

// Deletes what a failed copy wrote (never an older copy that it did not
// overwrite); a delete that fails is logged, as the file left would be taken
// for a good copy (or, beside, stay in the way).
void RemoveBrokenTarget(run::RunState& run, const CopyTarget& target);

}  // namespace brenx::copy
