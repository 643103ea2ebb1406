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
// directory (unfinished_copy.h), held by this run, and takes its own name
// only once it is whole, on the medium and dated, so that a copy cut short
// (a run killed, a stick pulled, a broken copy that could not be deleted)
// never stands under the name of a good one, where the next NewerOnly run
// would take it for one. An older copy is never destroyed by a copy that
// fails while the medium has room for both; when it has room for the new
// copy only in the older one's place, the older copy is removed first (the
// log tells) and the new one is still written under the temporary name: the
// name then holds the older copy, nothing, or the whole new copy.
//
// Everything here reaches the destination without following links.
struct CopyTarget {
    std::string destination;  // the copy's name
    std::string written;      // the temporary name written under
    std::unique_ptr<platform::FileHandle> file;
    bool olderCopy = false;     // something is at the destination's name
    bool olderRemoved = false;  // an older copy was removed to make room

    // Whether the copy takes an older one's space over.
    bool Replaces() const { return olderCopy || olderRemoved; }
};

// Opens `target.file` for the copy of `target.destination`; `facts` tell
// what its directory's listing showed there, `room` how the copy fits.
// Fails with kCopyCreateFailed when nothing could be made (a read-only older
// copy is not replaced).
CopyOutcome OpenTarget(run::RunState& run, const FileFacts& facts, Room room, CopyTarget& target);

// Gives the whole, flushed and dated copy its own name (the older copy's,
// when there is one, or when one turns up that its directory's listing did
// not show), while the run still holds it. On failure the older copy stays
// as it was.
CopyOutcome PutInPlace(run::RunState& run, CopyTarget& target);

// Deletes what a failed copy wrote under its temporary name (never an older
// copy); a delete that fails is logged, as the file stays in the way.
void RemoveBrokenTarget(run::RunState& run, const CopyTarget& target);

}  // namespace brenx::copy
