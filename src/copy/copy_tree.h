#pragma once

#include <string>

namespace brenx::run {
class RunState;
}

namespace brenx::copy {

// Copies the source directory to the destination directory (both ending with
// a backslash): its files, then, with recurse, each subdirectory, depth
// first. False when the job must end; the run's verdict then says why: 3 "brenxfiles(SRC,DST)" when
// the top directory's own files failed, 4 "brenxdirectories(SRC, DST)" when a subdirectory did (the
// codes set further down, 2, 18 and 21, give way to these on the way up). A failed flush keeps its
// own code and reason (22).
bool CopyTree(run::RunState& run, const std::string& source, const std::string& destination);

// Copies each subdirectory of the source (not hidden or system ones, nor
// links to directories: those of them that are not hidden are logged and
// counted as left out) with CopyTree, under the same name. A subdirectory
// whose name fails the sanity check is asked about like a file. One that
// could not be looked at is walked into like the others: when it cannot be
// read either, the walk fails and the log says why. False when the job must
// end.
bool CopySubdirectories(run::RunState& run, const std::string& source,
                        const std::string& destination);

}  // namespace brenx::copy
