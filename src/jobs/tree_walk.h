#pragma once

#include <functional>
#include <string>

#include "platform/directory_search.h"

namespace brenx::run {
class RunState;
}

// What the tree walks of read-back and archive-bit clearing share. Directory
// arguments end in a backslash.
namespace brenx::jobs {

using EntryVisit = std::function<bool(const platform::SearchEntry&)>;

// Calls `visit` for every plain file of the directory (hidden and directory
// entries are not listed), in the host's order, and stops with false as soon
// as it returns false. Each entry passes the sanity check first
// (run::CheckEntry): a screwy one is passed over, or gives the run up
// (false); then a fifo, socket or device is logged and counted as left out
// (run::LeaveOutIfNonRegular). An entry that could not be looked at is visited all the same
// (SearchEntry::lookError): the visit makes it fail. True when the entries
// ran out (or there were none); false too when the directory could not be
// listed whole, which the log tells.
bool ForEachFile(run::RunState& run, const std::string& directory, const EntryVisit& visit);

// Runs `walk` on every subdirectory of the directory, polling KeepGoing before
// each entry. Hidden and system directories (links to directories among
// them) are never entered, the system ones that are not hidden logged and
// counted as left out; a screwy name is asked about as in ForEachFile; one that could not be looked
// at is walked into like the others (when it cannot be read either, its walk fails). False as soon
// as the poll says stop or a walk fails, or when the directory could not be listed whole (the log
// tells).
bool WalkSubdirectories(run::RunState& run, const std::string& directory,
                        const std::function<bool(const std::string&)>& walk);

}  // namespace brenx::jobs
