#include "jobs/tidy_start.h"

#include "options/job_settings.h"
#include "options/log_file.h"
#include "platform/process_starter.h"
#include "run/exit_codes.h"
#include "run/messages.h"
#include "run/run_state.h"
#include "support/safe_format.h"

namespace brenx::jobs {

bool StartTidy(run::RunState& run) {
    const std::string tidy = run.Settings().tidy;
    run.Log().Write(support::SafeFormat("tidy: WinExec(%s)", {tidy}));
    platform::HostError error = platform::HostError::None;
    if (run.Starter().Start(tidy, error)) return true;
    run::ErrorMessage(run, "tidy: Failure in WinExec(%s)", {tidy});
    run.verdict.Fail(run::kExitTidyStart);
    return false;
}

}  // namespace brenx::jobs
