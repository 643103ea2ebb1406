#pragma once

#include <cstdint>
#include <string>

namespace brenx::run {

class RunState;
struct RunCounters;

// Files the run left out that it was asked to take: skipped by the operator
// at a question, by a skip option (cant_all, cant_skip, cant_file) or by
// BLRautoSkip. Files not newer are no skips here: nothing was lost.
std::int64_t SkippedFiles(const RunCounters& counters);

// The operator skipped a file at a question: the log says which
// ("operator skip: " and what could not be done), and the run counts it.
void SkippedByOperator(RunState& run, const std::string& what);

// Under a summary line: "%d files skipped (%d by the operator, %d by skip
// options, %d BLRautoSkips)" when any file was skipped, nothing otherwise.
void LogSkippedFiles(RunState& run);

// With FailOnSkips, a run that would have succeeded but skipped files fails
// with exit code 24 and says how many; a run that failed already keeps its
// own code.
void FailRunWithSkips(RunState& run);

}  // namespace brenx::run
