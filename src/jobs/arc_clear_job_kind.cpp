#include "jobs/arc_clear.h"
#include "jobs/job_kinds.h"
#include "options/job_settings.h"
#include "run/caption.h"
#include "run/confirm_start.h"
#include "run/run_state.h"

namespace brenx::jobs {

void ArcClearJobKind::Present(run::RunState& run) {
    run.jobLabel = "Crush arcs: ";
    run::ShowCaption(run, "");
}

bool ArcClearJobKind::Start(run::RunState& run) {
    return !run::ConfirmStart(run, run::StartNote::Without, "Crush arc bits on bunches of files?");
}

bool ArcClearJobKind::Prepare(run::RunState& run) {
    return PrepareArcClear(run);
}

void ArcClearJobKind::Work(run::RunState& run) {
    bstopbak(run, run.Settings().source);
}

}  // namespace brenx::jobs
