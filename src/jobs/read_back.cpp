#include "jobs/read_back.h"

#include "jobs/job_header.h"
#include "jobs/media_presence.h"
#include "jobs/read_file.h"
#include "jobs/tree_walk.h"
#include "jobs/version_stop.h"
#include "jobs/volume_root.h"
#include "options/job_settings.h"
#include "options/log_file.h"
#include "platform/host_error.h"
#include "run/ask_media.h"
#include "run/exit_codes.h"
#include "run/keep_going.h"
#include "run/media_note.h"
#include "run/option_echo.h"
#include "run/reason_line.h"
#include "run/run_state.h"
#include "run/show_status.h"
#include "run/status_board.h"
#include "support/number_text.h"
#include "support/safe_format.h"

namespace brenx::jobs {
namespace {

enum class Outcome { Counted, Skipped, Stop };

// Reads the file until it reads to its end, the operator skips it, or the
// job ends. The question says why the file could not be read.
Outcome ReadOrAsk(run::RunState& run, const std::string& path) {
    for (;;) {
        const ReadOutcome read = ReadBFile(run, path);
        if (read.result == ReadResult::Done) return Outcome::Counted;
        if (read.result == ReadResult::Stopped) return Outcome::Stop;
        const std::string question =
            run::WithReason(support::SafeFormat("Couldn't ReadBFile(%s)!?; Try again?", {path}),
                            ReadFailureReason(read));
        const run::MediaAnswer answer = run::AskMedia(run, "%s", {question}, true);
        if (answer == run::MediaAnswer::Skip) return Outcome::Skipped;
        if (!run::Accepted(answer)) return Outcome::Stop;
    }
}

void CountFile(run::RunState& run, const platform::SearchEntry& entry) {
    run::RunCounters& counters = run.counters;
    const std::int64_t size = platform::SearchRecordSize(entry);
    counters.byteCount += size;
    counters.cdByteCount += size;
    ++counters.fileCount;
    run::ShowStatus(
        run, support::SafeFormat(
                 "#%s %s %s%s",
                 {support::GroupedNumber(counters.fileCount), run::kStatusDash,
                  support::GroupedNumber(counters.byteCount), run::MediaNote(run, " (%s)")}));
}

// Read-back proves the medium: a directory that cannot be listed hides files
// that were never read, so it fails the walk (the walks return false) instead
// of passing as empty, and the log says why.
void LogUnlisted(run::RunState& run, const std::string& directory, platform::HostError error) {
    if (error == platform::HostError::None) return;
    run.Log().Write(support::SafeFormat("Couldn't read the directory %s (%s)",
                                        {directory, platform::HostErrorText(error)}));
}

bool ReadEntry(run::RunState& run, const std::string& directory,
               const platform::SearchEntry& entry) {
    const std::string path = directory + entry.name;
    PassStartFile(run, path);
    run.Board().SetText(run::BoardText::FileName, path);
    if (!run.Settings().nodata && !run.flags.waitingForStartFile) {
        const Outcome outcome = ReadOrAsk(run, path);
        if (outcome == Outcome::Stop) return false;
        if (outcome == Outcome::Skipped) return true;
    }
    if (!run::KeepGoing(run)) return false;
    CountFile(run, entry);
    return true;
}

}  // namespace

bool RunReadBack(run::RunState& run) {
    const std::string destination = run.Settings().destination;
    run.Board().SetText(run::BoardText::Source, "");
    run.Board().ShowSourceCaption(false);
    run.Board().SetText(run::BoardText::Destination, destination);
    WriteJobHeader(run,
                   support::SafeFormat("brenx [read] %s %s", {destination, SettingsFilePath(run)}),
                   HeaderTimeNow());
    if (destination.empty()) {
        StopWithVersionPrompt(run, "no destination");
        return false;
    }
    if (run.Settings().asked_help) {
        StopWithVersionPrompt(run, "started with ?");
        return false;
    }
    if (!run.Settings().startfile.empty()) run.flags.waitingForStartFile = true;
    run::ShowOptionEcho(run);
    run.destinationRoot = VolumeRoot(destination);
    if (!MediaPresent(run, "destination", run::kExitReadNoMedia)) return false;
    bReadDst(run, destination);
    return true;
}

bool bReadDst(run::RunState& run, const std::string& directory) {
    if (!bRDSTfiles(run, directory)) {
        run.failureReason = support::SafeFormat("bRDSTfiles(%s)", {directory});
        run.exitCode = run::kExitReadFiles;
        return false;
    }
    if (run.Settings().recurse && !bRDSTdirectories(run, directory)) {
        run.failureReason = support::SafeFormat("bRDSTdirectories(%s)", {directory});
        run.exitCode = run::kExitReadDirectories;
        return false;
    }
    return true;
}

bool bRDSTfiles(run::RunState& run, const std::string& directory) {
    platform::HostError listingError = platform::HostError::None;
    const bool walked = ForEachEntry(
        run.Fs(), directory + "*", 0,
        [&](const platform::SearchEntry& entry) { return ReadEntry(run, directory, entry); },
        &listingError);
    LogUnlisted(run, directory, listingError);
    return walked;
}

bool bRDSTdirectories(run::RunState& run, const std::string& directory) {
    platform::HostError listingError = platform::HostError::None;
    const bool walked = WalkSubdirectories(
        run, directory, [&](const std::string& sub) { return bReadDst(run, sub); }, &listingError);
    LogUnlisted(run, directory, listingError);
    return walked;
}

}  // namespace brenx::jobs
