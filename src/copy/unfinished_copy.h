#pragma once

#include <string>
#include <string_view>

namespace brenx::platform {
class FileSystem;
}
namespace brenx::run {
class RunState;
}

namespace brenx::copy {

// A copy is written under a temporary name in its directory until it is
// whole: "~brenx-unfinished-<token>-<n>.tmp", where the token is sixteen
// hexadecimal digits drawn once per run (RunState::copySession) and n counts
// from 1 past names that are taken. So two runs copying into one directory
// never write under the same name, and a user's own file is never taken for
// one. The run holds the file (FileHandle::HoldExclusively) from its
// creation until it has its own name. A run killed half way leaves such a
// file, held by no one; the next copy into that directory removes it.

// Deletes such a file, one given the read-only attribute too (atts with
// ReadOnly gives it before the copy takes its name).
bool DeleteUnfinishedCopy(platform::FileSystem& fileSystem, const std::string& path);

// This run's `attempt`-th such name (counting from 1).
std::string UnfinishedCopyName(run::RunState& run, int attempt);
// Whether a name is one that a run could have made.
bool IsUnfinishedCopyName(std::string_view name);

// Removes a file that a run left unfinished in the destination directory
// (ending with a backslash), and logs it, or why it stays. A file that
// another run is still writing (it holds it) is left alone.
void RemoveUnfinishedCopy(run::RunState& run, const std::string& directory,
                          const std::string& name);

}  // namespace brenx::copy
