#pragma once

namespace brenx::run {

class RunState;

// The poll of every long loop (per block, per file, per directory). Lets
// pending events run when the front end's turn has come (run.pace); after a
// Stop press asks "Give up now?" (yes: exit code
// 2 and the run stops, with no further asking; no: the run goes on). False
// when the loop must stop now: the operator gave up, or the run is being
// closed.
bool KeepGoing(RunState& run);

// The poll of a wait (once a second): after a Stop press asks "Skip the
// delay?". True when the wait must end now. A Stop press here never stops
// the run.
bool SkipDelayRequested(RunState& run);

}  // namespace brenx::run
