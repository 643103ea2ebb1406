#pragma once

namespace brenx::run {
class RunState;
}

namespace brenx::jobs {

// Starts the `tidy` command line at the end of a successful run, without
// waiting for it, and logs "tidy: WinExec(...)" first. True when it started;
// otherwise the operator is told, the exit code becomes 19 and the result is
// false.
bool StartTidy(run::RunState& run);

}  // namespace brenx::jobs
