#pragma once

namespace brenx::run {
class RunState;
}

namespace brenx::app {

// Tells the operator once, at the end of the run, how many copies kept a
// wrong date, how many sources changed while they were copied and how many
// files kept their archive bit, and writes the same into the log. Each file
// was logged as it happened; none changes the exit code (the copies and the
// walk are good), but the next NewerOnly, DifferentOnly or arconly run
// decides by what was kept.
void KeptMessages(run::RunState& run);

}  // namespace brenx::app
