#include "run/skipped_files.h"

#include "options/job_settings.h"
#include "options/log_file.h"
#include "run/exit_codes.h"
#include "run/run_state.h"
#include "support/safe_format.h"

namespace brenx::run {

std::int64_t SkippedFiles(const RunCounters& counters) {
    return counters.operatorSkips + counters.optionSkips + counters.autoSkips;
}

void SkippedByOperator(RunState& run, const std::string& what) {
    run.Log().Write("operator skip: " + what);
    run.counters.operatorSkips += 1;
}

void LogSkippedFiles(RunState& run) {
    const RunCounters& c = run.counters;
    const std::int64_t skipped = SkippedFiles(c);
    if (skipped <= 0) return;
    run.Log().Write(
        support::SafeFormat("%d files skipped (%d by the operator, %d by skip options, %d "
                            "BLRautoSkips)",
                            {skipped, c.operatorSkips, c.optionSkips, c.autoSkips}));
}

void FailRunWithSkips(RunState& run) {
    const std::int64_t skipped = SkippedFiles(run.counters);
    if (!run.Settings().FailOnSkips || skipped <= 0 || run.verdict.Failed()) return;
    run.verdict.Fail(
        kExitFilesSkipped,
        support::SafeFormat(skipped == 1
                                ? "%d file was skipped, and FailOnSkips fails a run with skips"
                                : "%d files were skipped, and FailOnSkips fails a run with skips",
                            {skipped}));
}

}  // namespace brenx::run
