#include "jobs/ex_program.h"
#include "jobs/job_kinds.h"
#include "options/job_settings.h"
#include "run/caption.h"
#include "run/confirm_start.h"
#include "run/run_state.h"

namespace brenx::jobs {

void ExecuteJobKind::Present(run::RunState& run) {
    run.jobLabel = "Execute: ";
    run::ShowCaption(run, "%s", {run.Settings().program});
}

bool ExecuteJobKind::Start(run::RunState& run) {
    return !run::ConfirmStart(run, run::StartNote::With, "Execute \"%s\" over and over again?",
                              {run.Settings().program});
}

void ExecuteJobKind::Work(run::RunState& run) {
    ExProgram(run);
}

}  // namespace brenx::jobs
