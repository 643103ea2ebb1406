#include "jobs/job_kinds.h"
#include "jobs/read_back.h"
#include "options/job_settings.h"
#include "run/confirm_start.h"
#include "run/destination_free.h"
#include "run/run_state.h"

namespace brenx::jobs {

void ReadBackJobKind::Present(run::RunState& run) {
    run.jobLabel = "Read: ";
    run::ShowDestinationFree(run);
}

bool ReadBackJobKind::Start(run::RunState& run) {
    return !run::ConfirmStart(run, run::StartNote::With, "Read a bunch of files on %s?",
                              {run.Settings().destination});
}

bool ReadBackJobKind::Prepare(run::RunState& run) {
    return PrepareReadBack(run);
}

void ReadBackJobKind::Work(run::RunState& run) {
    bReadDst(run, run.Settings().destination);
}

}  // namespace brenx::jobs
