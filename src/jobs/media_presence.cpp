#include "jobs/media_presence.h"

#include "platform/directory_routines.h"
#include "run/ask_media.h"
#include "run/run_state.h"
#include "support/safe_format.h"

namespace brenx::jobs {

bool MediaPresent(run::RunState& run, std::string_view side, std::int32_t exitCode) {
    while (!platform::TryChangeDirectory(run.Fs(), run.destinationRoot)) {
        run.verdict.Expect("No media");
        const std::string question = support::SafeFormat(
            "You might consider inserting some %s media for %s if you expect this thing to work.",
            {side, run.destinationRoot});
        if (!run::Accepted(run::AskMedia(run, "%s", {question}, false))) {
            run.verdict.Fail(exitCode);
            return false;
        }
    }
    return true;
}

}  // namespace brenx::jobs
