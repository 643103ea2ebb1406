#pragma once

#include <string>

namespace brenx::run {
class RunState;
}

namespace brenx::jobs {

// The read-back job: reads every plain file of the destination tree (its
// subdirectories with `recurse`) to its end, to prove fresh media readable.
// True when the walk was started; its failures show in the exit code (15 for
// the top directory's own files, 16 from below, 14 when no media came).
bool RunReadBack(run::RunState& run);
// What comes before the walk: the window, the job's header, the checks that
// end it before it starts, the destination's media. False to end the job.
bool PrepareReadBack(run::RunState& run);

// The files of the directory, then, with `recurse`, its subdirectories.
bool bReadDst(run::RunState& run, const std::string& directory);
// Reads the plain files of one directory; a file that cannot be read, or
// could not even be looked at, is put to the operator (try again, skip it
// uncounted, or give up).
bool bRDSTfiles(run::RunState& run, const std::string& directory);
// bReadDst on every subdirectory.
bool bRDSTdirectories(run::RunState& run, const std::string& directory);

}  // namespace brenx::jobs
