#include "jobs/job_kind.h"

#include "jobs/job_kinds.h"
#include "options/job_settings.h"
#include "run/run_state.h"

namespace brenx::jobs {

void RunJobKind(run::RunState& run, JobKind& kind) {
    kind.Present(run);
    if (kind.Start(run) && kind.Prepare(run)) kind.Work(run);
}

std::unique_ptr<JobKind> ChooseJobKind(run::RunState& run, DestinationFlush& flush) {
    const options::JobSettings& settings = run.Settings();
    if (!settings.program.empty()) return std::make_unique<ExecuteJobKind>();
    if (settings.stopbak) return std::make_unique<ArcClearJobKind>();
    if (settings.read) return std::make_unique<ReadBackJobKind>();
    if (!settings.verify.empty()) return std::make_unique<VerifyJobKind>();
    return std::make_unique<CopyJobKind>(flush);
}

}  // namespace brenx::jobs
