#pragma once

namespace brenx::run {
class RunState;
}

namespace brenx::app {

// Tells the operator once, at the end of the run, how many copies kept a
// wrong date, how many sources changed while they were copied, how many
// files kept their archive bit, how many entries with something screwy
// about them were passed over and how many weren't regular files, and
// writes the same into the log. Each was logged as it happened; none changes
// the exit code (the copies and the walk are good, the operator chose to
// pass the entries over, and a fifo or device has nothing to copy), but the
// next NewerOnly, DifferentOnly or arconly run decides by what was kept, and
// a passed-over or non-regular entry is in no copy.
void KeptMessages(run::RunState& run);

}  // namespace brenx::app
