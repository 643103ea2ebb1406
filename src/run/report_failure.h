#pragma once

namespace brenx::run {

class RunState;

// After a failed job: the red banner, and once per distinct reason the
// message "Sorry: %s" followed by a short pause. Nothing when the exit code
// is 0; no message after the version prompt, which has spoken already.
void ReportFailure(RunState& run);

}  // namespace brenx::run
