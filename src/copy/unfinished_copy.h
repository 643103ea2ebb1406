#pragma once

#include <string>
#include <string_view>

namespace brenx::run {
class RunState;
}

namespace brenx::copy {

// A copy that replaces an older one is written beside it under a name of its
// own until it is whole: "~brenx-unfinished.tmp" in the same directory, or
// "~brenx-unfinished-2.tmp" and on when that is taken. A run killed half way
// leaves such a file; the next copy into that directory removes it.

// The `attempt`-th such name (counting from 1).
std::string UnfinishedCopyName(int attempt);
// Whether a name is one of them.
bool IsUnfinishedCopyName(std::string_view name);

// Removes a file an earlier run left unfinished in the destination
// directory (ending with a backslash), and logs it, or why it stays.
void RemoveUnfinishedCopy(run::RunState& run, const std::string& directory,
                          const std::string& name);

}  // namespace brenx::copy
