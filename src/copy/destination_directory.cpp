#include "copy/destination_directory.h"

#include "copy/flush.h"
#include "options/job_settings.h"
#include "platform/directory_routines.h"
#include "platform/file_system.h"
#include "platform/host_reason.h"
#include "run/reason_line.h"
#include "run/run_state.h"

namespace brenx::copy {

DirectoryOutcome EnsureDestinationDirectory(run::RunState& run, std::string& destination) {
    if (!run.copySession.destinationDirPending) return {};
    DirectoryOutcome outcome;
    while (!platform::ForceDirectoryPath(run.Fs(), destination, run.Settings().FixDotCrash)) {
        // Taken before the flush that precedes the question can replace it.
        outcome.error = run.Fs().LastError();
        const std::string question = run::WithReason(
            support::SafeFormat("Couldn't create new directory %s (try new media maybe?)",
                                {destination}),
            platform::HostErrorReason(outcome.error));
        const run::MediaAnswer answer = AskCopyMedia(run, destination, "%s", {question}, false);
        if (!run::Accepted(answer)) {
            outcome.code = kDirectoryGivenUp;
            break;
        }
    }
    run.copySession.destinationDirPending = false;
    if (outcome.code == 0) outcome.error = platform::HostError::None;
    return outcome;
}

}  // namespace brenx::copy
