#pragma once

#include <string>

namespace brenx::run {
class RunState;
}

namespace brenx::jobs {

// True for d:\... (an ASCII letter, a colon and a backslash) and for
// \\...; otherwise tells the operator that the directory is badly formed.
bool IsWellFormedPath(run::RunState& run, const std::string& path);

// Checks that the source (and, when asked, the destination's root) can be
// entered, telling the operator what is wrong. While it checks, the run's
// code is a provisional 1 and the run may close; afterwards the code is 0
// again, and the current directory is the program's directory in every case.
// `problem` names the failing side ("source: ..." or "destination: ...").
bool CheckDirectories(run::RunState& run, std::string& problem, bool checkDestination);

}  // namespace brenx::jobs
