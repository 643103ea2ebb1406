#pragma once

namespace brenx::run {

class RunState;

// The shortest and the longest pause.
inline constexpr int kMinPause = 60;
inline constexpr int kMaxPause = 10000;

// Waits the time (held between 60 and 10,000 ms) while the front end stays
// responsive; a Stop press meanwhile is recorded for the next poll. A pause
// asked for during another returns at once: pauses do not nest.
void Pause(RunState& run, int milliseconds);

}  // namespace brenx::run
