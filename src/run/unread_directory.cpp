#include "run/unread_directory.h"

#include "options/log_file.h"
#include "platform/directory_search.h"
#include "platform/host_reason.h"
#include "run/run_state.h"
#include "support/safe_format.h"

namespace brenx::run {

bool SearchEndedCleanly(RunState& run, const std::string& directory, platform::HostError error) {
    if (platform::SearchEndedCleanly(error)) return true;
    run.Log().Write(support::SafeFormat("Couldn't read the directory %s (%s)",
                                        {directory, platform::HostErrorReason(error)}));
    return false;
}

}  // namespace brenx::run
