#pragma once

#include <string>

namespace brenx::run {
class RunState;
}

namespace brenx::jobs {

// The archive-bit job: clears the archive attribute of every plain file of the
// source tree (its subdirectories with `recurse`) that has it, other
// attributes (read-only) kept. Checks the source's key file first. True when
// the walk was started; its failures show in the exit code (11 for the top
// directory's own files, 12 from below, 13 when no media came, 7 for a
// missing key file). A bit that the host does not clear, and a file that
// could not be looked at, are logged with the reason and counted in
// archiveKept; they change no exit code. A directory that cannot be listed
// fails the walk (its files' bits were never looked at).
bool RunArcClear(run::RunState& run);
// What comes before the walk: the job's header, the checks that end it
// before it starts, the source's media and key file. False to end the job.
bool PrepareArcClear(run::RunState& run);

// The files of the directory, then, with `recurse`, its subdirectories.
bool bstopbak(run::RunState& run, const std::string& directory);
// Clears the archive bits of one directory's plain files.
bool bstopfiles(run::RunState& run, const std::string& directory);
// bstopbak on every subdirectory.
bool bstopdirectories(run::RunState& run, const std::string& directory);

}  // namespace brenx::jobs
