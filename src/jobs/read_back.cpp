#include "jobs/read_back.h"

#include "jobs/job_header.h"
#include "jobs/media_presence.h"
#include "jobs/read_file.h"
#include "jobs/tree_walk.h"
#include "jobs/version_stop.h"
#include "jobs/volume_root.h"
#include "options/job_settings.h"
#include "options/log_file.h"
#include "platform/file_queries.h"
#include "platform/host_error.h"
#include "run/ask_media.h"
#include "run/exit_codes.h"
#include "run/keep_going.h"
#include "run/media_note.h"
#include "run/option_echo.h"
#include "run/reason_line.h"
#include "run/run_state.h"
#include "run/show_status.h"
#include "run/skipped_files.h"
#include "run/start_file.h"
#include "run/status_board.h"
#include "support/number_text.h"
#include "support/safe_format.h"

namespace brenx::jobs {
namespace {

enum class Outcome { Counted, Skipped, Stop };

// An entry that could not be looked at fails like a file that cannot be
// read, with the host's reason; with nodata a file is not read.
ReadOutcome LookAndRead(run::RunState& run, const std::string& path,
                        const platform::SearchEntry& entry) {
    if (entry.lookError != platform::HostError::None) {
        return ReadOutcome{ReadResult::CannotOpen, entry.lookError};
    }
    if (run.Settings().nodata) return ReadOutcome{};
    return ReadBFile(run, path);
}

// Reads the file until it reads to its end, the operator skips it, or the
// job ends. The question says why the file could not be read; an entry that
// could not be looked at is looked at again before it is tried again.
Outcome ReadOrAsk(run::RunState& run, const std::string& path, platform::SearchEntry& entry) {
    for (;;) {
        const ReadOutcome read = LookAndRead(run, path, entry);
        if (read.result == ReadResult::Done) return Outcome::Counted;
        if (read.result == ReadResult::Stopped) return Outcome::Stop;
        const std::string question =
            run::WithReason(support::SafeFormat("Couldn't ReadBFile(%s)!?; Try again?", {path}),
                            ReadFailureReason(read));
        const run::MediaAnswer answer = run::AskMedia(run, "%s", {question}, true);
        if (answer == run::MediaAnswer::Skip) {
            run::SkippedByOperator(run, support::SafeFormat("ReadBFile(%s)", {path}));
            return Outcome::Skipped;
        }
        if (!run::Accepted(answer)) return Outcome::Stop;
        if (entry.lookError != platform::HostError::None) {
            entry.lookError = platform::LookAtEntry(run.Fs(), path, entry);
        }
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

bool ReadEntry(run::RunState& run, const std::string& directory,
               const platform::SearchEntry& listed) {
    const std::string path = directory + listed.name;
    const bool passedOver = run::PassedOverBeforeStartFile(run, path);
    run.Board().SetText(run::BoardText::FileName, path);
    platform::SearchEntry entry = listed;
    if (!passedOver) {
        const Outcome outcome = ReadOrAsk(run, path, entry);
        if (outcome == Outcome::Stop) return false;
        if (outcome == Outcome::Skipped) return true;
    }
    if (!run::KeepGoing(run)) return false;
    CountFile(run, entry);
    return true;
}

}  // namespace

bool PrepareReadBack(run::RunState& run) {
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
    return MediaPresent(run, "destination", run::kExitReadNoMedia);
}

bool RunReadBack(run::RunState& run) {
    if (!PrepareReadBack(run)) return false;
    bReadDst(run, run.Settings().destination);
    return true;
}

bool bReadDst(run::RunState& run, const std::string& directory) {
    if (!bRDSTfiles(run, directory)) {
        run.verdict.Fail(run::kExitReadFiles, support::SafeFormat("bRDSTfiles(%s)", {directory}));
        return false;
    }
    if (run.Settings().recurse && !bRDSTdirectories(run, directory)) {
        run.verdict.Fail(run::kExitReadDirectories,
                         support::SafeFormat("bRDSTdirectories(%s)", {directory}));
        return false;
    }
    return true;
}

// Read-back proves the medium: a directory that cannot be listed hides files
// that were never read, so it fails the walk instead of passing as empty.
bool bRDSTfiles(run::RunState& run, const std::string& directory) {
    return ForEachFile(run, directory, [&](const platform::SearchEntry& entry) {
        return ReadEntry(run, directory, entry);
    });
}

bool bRDSTdirectories(run::RunState& run, const std::string& directory) {
    return WalkSubdirectories(run, directory,
                              [&](const std::string& sub) { return bReadDst(run, sub); });
}

}  // namespace brenx::jobs
