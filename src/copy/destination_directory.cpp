#include "copy/destination_directory.h"

#include "copy/flush.h"
#include "options/job_settings.h"
#include "platform/directory_routines.h"
#include "run/run_state.h"

namespace brenx::copy {

std::int32_t EnsureDestinationDirectory(run::RunState& run, std::string& destination) {
    if (!run.flags.destinationDirPending) return 0;
    std::int32_t result = 0;
    while (!platform::ForceDirectoryPath(run.Fs(), destination, run.Settings().FixDotCrash)) {
        const std::string asked = destination;
        const run::MediaAnswer answer = AskCopyMedia(
            run, asked, "Couldn't create new directory %s (try new media maybe?)", {asked}, false);
        if (!run::Accepted(answer)) {
            result = kDirectoryGivenUp;
            break;
        }
    }
    run.flags.destinationDirPending = false;
    return result;
}

}  // namespace brenx::copy
