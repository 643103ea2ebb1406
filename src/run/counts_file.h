#pragma once

#include <cstdint>
#include <string_view>

namespace brenx::run {

class RunState;
struct RunCounters;

// Carries the counters from one run to the next through the counts file (the
// `counts` setting; nothing happens when it is empty). Save writes
// "filecount: %d", "byte: %d" and "skipped: %d", each on its own line; load
// reads them back, the byte count into both byte counters. A file that cannot
// be opened is not loaded; unknown lines are ignored. Counts that cannot be
// saved whole are logged and told ("Couldn't save the counts to %s (why)"):
// the next run would start from wrong totals. Neither changes the exit code.
void CountsFile(RunState& run, bool save);

// Takes one counts-file line into the counters; other lines change nothing.
void ApplyCountsLine(std::string_view line, RunCounters& counters);

}  // namespace brenx::run
