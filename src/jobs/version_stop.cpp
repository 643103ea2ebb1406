#include "jobs/version_stop.h"

#include "options/job_settings.h"
#include "options/version_prompt.h"
#include "run/operator.h"
#include "run/run_state.h"

namespace brenx::jobs {

void StopWithVersionPrompt(run::RunState& run, const std::string& reason) {
    const options::VersionPromptResult result =
        options::ShowVersionPrompt(run.Op(), run.Starter(), run.Settings().helphtm, reason);
    run.verdict.Fail(result.exitCode, result.failureReason);
}

}  // namespace brenx::jobs
