#include "jobs/job_kinds.h"
#include "jobs/verify.h"
#include "run/destination_free.h"
#include "run/exit_codes.h"
#include "run/run_state.h"

namespace brenx::jobs {

void VerifyJobKind::Present(run::RunState& run) {
    run.jobLabel = "Verify: ";
    run.jobMode = run::JobMode::Verify;
    run::ShowDestinationFree(run);
}

void VerifyJobKind::Work(run::RunState& run) {
    if (!RunVerify(run)) run.verdict.Fail(run::kExitVerifyFailed);
}

}  // namespace brenx::jobs
