#include "run/start_file.h"

#include "options/job_settings.h"
#include "run/option_echo.h"
#include "run/run_state.h"
#include "support/ascii_case.h"

namespace brenx::run {

bool PassedOverBeforeStartFile(RunState& run, const std::string& path) {
    if (!run.flags.waitingForStartFile) return false;
    if (!support::SameTextIgnoringAsciiCase(path, run.Settings().startfile)) return true;
    run.flags.waitingForStartFile = false;
    ShowOptionEcho(run);
    return false;
}

}  // namespace brenx::run
