#pragma once

#include <cstdint>
#include <string>

namespace brenx::run {

class RunState;

// The throughput clock shows, every two seconds while a job runs, how long the
// run has worked and how many bytes it moves per minute. It starts at the
// first go-ahead of a job and is never restarted while it runs, so it times
// the run from its first job on.

// Starts the clock unless it runs already.
void StartThroughputClock(RunState& run);
void StopThroughputClock(RunState& run);

// "%d minutes; %s bytes/minute" for the bytes moved in the seconds; false
// (with the reason in `text`) when the figures overflow. Seconds must be > 0.
bool ThroughputText(std::int64_t seconds, std::int64_t bytes, std::string& text);

// Shows the throughput when the clock runs and two seconds have passed since
// it last did. Called from the engine's polls, so the figure moves while a job
// works. Nothing is shown in the first second.
void RefreshThroughput(RunState& run);

}  // namespace brenx::run
