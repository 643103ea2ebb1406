#include "jobs/arc_clear.h"

#include "jobs/job_header.h"
#include "jobs/key_file.h"
#include "jobs/media_presence.h"
#include "jobs/tree_walk.h"
#include "jobs/version_stop.h"
#include "jobs/volume_root.h"
#include "options/job_settings.h"
#include "options/log_file.h"
#include "platform/file_attributes.h"
#include "platform/file_system.h"
#include "platform/host_reason.h"
#include "run/exit_codes.h"
#include "run/keep_going.h"
#include "run/media_note.h"
#include "run/option_echo.h"
#include "run/run_state.h"
#include "run/show_status.h"
#include "run/start_file.h"
#include "run/status_board.h"
#include "support/number_text.h"
#include "support/safe_format.h"

namespace brenx::jobs {
namespace {

void ShowCleared(run::RunState& run, const std::string& path) {
    const run::RunCounters& counters = run.counters;
    run::ShowStatusLines(
        run, {support::SafeFormat("source: %s", {path}),
              support::SafeFormat(
                  "#%s %s %s%s",
                  {support::GroupedNumber(counters.fileCount), run::kStatusDash,
                   support::GroupedNumber(counters.byteCount), run::MediaNote(run, " (%s)")})});
}

// A file that keeps its archive bit is taken again by the next arconly
// copy; a medium without extended attributes keeps every bit. Each one is
// logged with the host's reason and counted for the run's summary.
void KeptBit(run::RunState& run, const std::string& path, platform::HostError why) {
    run.Log().Write(support::SafeFormat("Couldn't clear the archive bit of %s (%s)",
                                        {path, platform::HostErrorReason(why)}));
    run.counters.archiveKept += 1;
}

void ClearArchiveBit(run::RunState& run, const std::string& path,
                     const platform::SearchEntry& entry) {
    platform::FileSystem& fs = run.Fs();
    if (fs.SetAttributes(path, entry.attributes & ~platform::kAttrArchive)) return;
    KeptBit(run, path, fs.LastError());
}

// Clears the entry's archive bit (unless the start file is still ahead) and
// counts it; a file whose bit stays is counted all the same.
void ClearEntry(run::RunState& run, const std::string& path, const platform::SearchEntry& entry,
                bool passedOver) {
    run.Board().SetText(run::BoardText::FileName, path);
    if (!passedOver) ClearArchiveBit(run, path, entry);
    run::RunCounters& counters = run.counters;
    const std::int64_t size = platform::SearchRecordSize(entry);
    counters.byteCount += size;
    counters.cdByteCount += size;
    ++counters.fileCount;
    ShowCleared(run, path);
}

// A file that could not be looked at cannot be cleared either: it counts
// among the bits kept, with the host's reason.
void KeepUnseenBit(run::RunState& run, const std::string& path,
                   const platform::SearchEntry& entry) {
    run.Board().SetText(run::BoardText::FileName, path);
    KeptBit(run, path, entry.lookError);
}

bool VisitEntry(run::RunState& run, const std::string& directory,
                const platform::SearchEntry& entry) {
    const std::string path = directory + entry.name;
    const bool passedOver = run::PassedOverBeforeStartFile(run, path);
    if (entry.lookError != platform::HostError::None) {
        if (!passedOver) KeepUnseenBit(run, path, entry);
        return run::KeepGoing(run);
    }
    const std::uint32_t attributes = entry.attributes;
    if ((attributes & platform::kAttrArchive) != 0 &&
        (attributes & platform::kAttrDirectory) == 0) {
        ClearEntry(run, path, entry, passedOver);
    }
    return run::KeepGoing(run);
}

bool StartFailed(run::RunState& run) {
    const options::JobSettings& settings = run.Settings();
    if (settings.source.empty()) {
        StopWithVersionPrompt(run, "no source");
        return true;
    }
    if (settings.asked_help) {
        StopWithVersionPrompt(run, "question mark");
        return true;
    }
    return false;
}

}  // namespace

bool PrepareArcClear(run::RunState& run) {
    const std::string source = run.Settings().source;
    WriteJobHeader(run,
                   support::SafeFormat("brenx [stopbak] %s %s", {source, SettingsFilePath(run)}),
                   HeaderTimeNow());
    if (StartFailed(run)) return false;
    if (!run.Settings().startfile.empty()) run.flags.waitingForStartFile = true;
    run::ShowOptionEcho(run);
    run.destinationRoot = VolumeRoot(source);
    if (!MediaPresent(run, "source", run::kExitClearNoMedia)) return false;
    return CheckKeyFile(run, "source");
}

bool RunArcClear(run::RunState& run) {
    if (!PrepareArcClear(run)) return false;
    bstopbak(run, run.Settings().source);
    return true;
}

bool bstopbak(run::RunState& run, const std::string& directory) {
    if (!bstopfiles(run, directory)) {
        run.verdict.Fail(run::kExitClearFiles, support::SafeFormat("bstopfiles(%s)", {directory}));
        return false;
    }
    if (run.Settings().recurse && !bstopdirectories(run, directory)) {
        run.verdict.Fail(run::kExitClearDirectories,
                         support::SafeFormat("bstopdirectories(%s)", {directory}));
        return false;
    }
    return true;
}

bool bstopfiles(run::RunState& run, const std::string& directory) {
    if (run.Settings().nodata) return true;
    return ForEachFile(run, directory, [&](const platform::SearchEntry& entry) {
        return VisitEntry(run, directory, entry);
    });
}

bool bstopdirectories(run::RunState& run, const std::string& directory) {
    return WalkSubdirectories(run, directory,
                              [&](const std::string& sub) { return bstopbak(run, sub); });
}

}  // namespace brenx::jobs
