#include "run/destination_free.h"

#include "options/job_settings.h"
#include "platform/file_queries.h"
#include "platform/file_system.h"
#include "run/caption.h"
#include "run/run_state.h"
#include "run/status_board.h"
#include "support/number_text.h"
#include "support/path_names.h"

namespace brenx::run {
namespace {

std::int64_t MeasureFree(RunState& run, const std::string& target, const std::string& root) {
    if (run.Settings().nocopy) return 0;
    // A path without a root of its own (\\server\share) is asked about as it is.
    return platform::FreeBytesAvailable(run.Fs(), root.empty() ? target : root);
}

std::int64_t PretendedFree(std::int64_t fakesize, std::int64_t onMedia) {
    return fakesize >= onMedia ? fakesize - onMedia : 0;
}

std::string FreeSpaceText(const std::string& root, std::int64_t free) {
    if (free == platform::kUntoldFreeSpace) {
        return support::SafeFormat("drive %s doesn't say how many bytes are free", {root});
    }
    const char* suffix = free == kLowerBoundFreeSpace ? "or more " : "";
    return support::SafeFormat("drive %s has %s %sbytes free",
                               {root, support::GroupedNumber(free), suffix});
}

}  // namespace

void ShowDestinationFree(RunState& run, const std::string& drive) {
    const options::JobSettings& settings = run.Settings();
    const std::string target = drive.empty() ? settings.destination : drive;
    const std::string root = support::PathRoot(target);
    std::int64_t& free = run.counters.dstBytesFree;
    free = MeasureFree(run, target, root);
    if (settings.fakesize > 0) free = PretendedFree(settings.fakesize, run.counters.cdByteCount);
    const std::string text = target.empty() ? std::string() : FreeSpaceText(root, free);
    run.Board().SetText(BoardText::FreeSpace, text);
    ShowCaption(run, "%s", {text});
}

}  // namespace brenx::run
