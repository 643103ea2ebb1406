#include "copy/flush.h"

#include "options/job_settings.h"
#include "options/log_file.h"
#include "platform/file_system.h"
#include "run/ask_media.h"
#include "run/messages.h"
#include "run/run_state.h"
#include "support/path_names.h"

namespace brenx::copy {
namespace {

// The directory above, with its trailing backslash; false at the root.
bool StepUp(std::string& directory) {
    const std::size_t rootLength = support::RootLength(directory);
    std::string parent = directory;
    support::StripTrailingBackslash(parent);
    const std::size_t slash = parent.find_last_of('\\');
    if (slash == std::string::npos || slash + 1 < rootLength) return false;
    directory = parent.substr(0, slash + 1);
    return true;
}

bool IsMissing(platform::HostError error) {
    return error == platform::HostError::NotFound || error == platform::HostError::PathNotFound;
}

void FlushFailed(run::RunState& run, const std::string& place, platform::HostError error) {
    const std::string text = support::SafeFormat("Couldn't flush %s to its medium (%s)",
                                                 {place, platform::HostErrorText(error)});
    run.Log().Write(text);
    run::ErrorMessage(run, "%s; the run ends here", {text});
    run.verdict.Fail(kExitFlushFailed, kFlushFailedReason);
    run.flags.closeAllowed = true;
}

}  // namespace

bool FlushDestination(run::RunState& run, const std::string& directory, GoneMedium gone) {
    if (run.Settings().nocopy) return true;
    platform::FileSystem& fs = run.Fs();
    std::string place = directory;
    for (;;) {
        if (fs.FlushVolume(place)) return true;
        const platform::HostError error = fs.LastError();
        if (error == platform::HostError::NoMedia) {
            if (gone == GoneMedium::NothingToFlush) return true;
            break;
        }
        if (!IsMissing(error)) break;
        if (!StepUp(place)) return true;
    }
    FlushFailed(run, place, fs.LastError());
    return false;
}

run::MediaAnswer AskCopyMedia(run::RunState& run, const std::string& directory,
                              std::string_view format,
                              std::initializer_list<support::FormatArg> args, bool showSkip) {
    if (!run.verdict.Failed() && !FlushDestination(run, directory)) return run::MediaAnswer::None;
    return run::AskMedia(run, format, args, showSkip);
}

}  // namespace brenx::copy
