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
// missing key file). A bit that the host does not clear is logged with its
// reason and counted in archiveKept; it changes no exit code.
bool RunArcClear(run::RunState& run);

// The files of the directory, then, with `recurse`, its subdirectories.
bool bstopbak(run::RunState& run, const std::string& directory);
// Clears the archive bits of one directory's plain files.
bool bstopfiles(run::RunState& run, const std::string& directory);
// bstopbak on every subdirectory.
bool bstopdirectories(run::RunState& run, const std::string& directory);

}  // namespace brenx::jobs
