#include "copy/copy_tree.h"
#include "jobs/cdr_mode.h"
#include "jobs/check_directories.h"
#include "jobs/destination_flush.h"
#include "jobs/job_header.h"
#include "jobs/job_kinds.h"
#include "jobs/key_file.h"
#include "jobs/media_presence.h"
#include "jobs/version_stop.h"
#include "jobs/volume_root.h"
#include "options/job_settings.h"
#include "options/option_load.h"
#include "run/ask_media.h"
#include "run/confirm_start.h"
#include "run/counts_file.h"
#include "run/destination_free.h"
#include "run/exit_codes.h"
#include "run/option_echo.h"
#include "run/run_state.h"
#include "run/status_board.h"
#include "support/safe_format.h"

// The copy job. Its flow, and where each step lives:
//
//   Present   label "Copy: ", free space, counts file, the job's header
//   Start     the version prompt when source or destination is missing;
//             the CD-R mode (jobs/cdr_mode); the start question
//   Prepare   destination media present (jobs/media_presence), key files
//             (jobs/key_file), the directories (jobs/check_directories):
//             a problem is asked about until fixed, skipped or given up
//   Work      copy::CopyTree (copy/copy_tree): the files of each directory,
//             then its subdirectories, depth first
//     per directory  copy/copy_files: the destination directory made, both
//             listed once; temporary copies no run holds removed
//             (copy/unfinished_copy)
//     per file  copy/copy_file, in this order:
//             up-to-date test, dates and sizes (copy/copy_needed)
//             -> room on the medium (copy/room_check); only in the older
//                copy's place: the older copy removed first
//             -> the copy written under a temporary name the run holds
//                (copy/copy_target, copy/transfer), its CRC summed
//             -> the source looked at again (copy/source_change)
//             -> flushed, dated, given attributes (copy/copy_date)
//             -> the CRC line logged -> renamed to its name -> closed
//     a failure  copy/copy_failure: no room -> new media (copy/media_change,
//             the destination flushed first, "|:Changed Media" logged);
//             not needed -> counted, maybe logged; any other -> the skip
//             options, BLRautoSkip, or the operator (try again, skip, give
//             up); random waits and ejects between files (copy/random_wait)
//   Afterwards  the destination is remembered for the flush at the end
namespace brenx::jobs {
namespace {

// Whether the copy job cannot start, with the reason the version prompt is
// to give (an empty one makes it say "miscellaneous fatal error").
bool VersionPromptNeeded(const options::JobSettings& settings, std::string& reason) {
    if (settings.settings_missing) {
        reason.clear();
    } else if (settings.source.empty()) {
        reason = "no source";
    } else if (settings.destination.empty()) {
        reason = "no destination";
    } else if (settings.asked_help) {
        reason = "started with ?";
    } else {
        return false;
    }
    return true;
}

}  // namespace

void CopyJobKind::Present(run::RunState& run) {
    const options::JobSettings& settings = run.Settings();
    run.jobLabel = "Copy: ";
    run::ShowDestinationFree(run);
    run.jobMode = run::JobMode::Copy;
    run::CountsFile(run, false);
    run.Board().SetText(run::BoardText::Destination, settings.destination);
    WriteJobHeader(run, support::SafeFormat("brenx %s %s", {settings.source, settings.destination}),
                   support::SafeFormat("%s %s", {SettingsFilePath(run), HeaderTimeNow()}));
}

bool CopyJobKind::Start(run::RunState& run) {
    const options::JobSettings& settings = run.Settings();
    std::string reason;
    if (VersionPromptNeeded(settings, reason)) {
        StopWithVersionPrompt(run, reason);
        return false;
    }
    if (!settings.startfile.empty()) run.flags.waitingForStartFile = true;
    run::ShowOptionEcho(run);
    run.destinationRoot = VolumeRoot(settings.destination);
    run.copySession.cdrMode = CdrModeFor(run.destinationRoot, settings.NotCDR);
    if (settings.nocopy) {
        return !run::ConfirmStart(
            run, run::StartNote::Without,
            "Read %s as if copying to %s?\r\n(i.e., nocopy=1; if crc+log, it'll create a "
            "valuable crc file at least)",
            {settings.source, settings.destination});
    }
    const char* suffix =
        run.copySession.cdrMode ? " (with CDR name processing and random waits)" : "";
    return !run::ConfirmStart(run, run::StartNote::With, "Brenx from %s to %s%s?\r\n",
                              {settings.source, settings.destination, suffix});
}

bool CopyJobKind::Prepare(run::RunState& run) {
    const bool nocopy = run.Settings().nocopy;
    if (!nocopy && !MediaPresent(run, "destination", run::kExitNoMedia)) return false;
    run::ShowDestinationFree(run);
    if (!nocopy && !CheckKeyFile(run, "destination")) return false;
    if (!CheckKeyFile(run, "source")) return false;
    return DirectoriesUsable(run);
}

// Asks about a directory problem until it is fixed, skipped (the job ends
// as if it had not been asked for) or given up (exit code 10).
bool CopyJobKind::DirectoriesUsable(run::RunState& run) {
    run.verdict.Expect("CheckDirectories");
    std::string problem;
    while (!CheckDirectories(run, problem, !run.Settings().nocopy)) {
        // What earlier jobs copied goes onto its medium before the operator
        // may change it. This job has copied nothing yet: a flush of its own
        // destination could only fail for the very problem asked about (a
        // name no medium can hold), and its failure would stand in its place.
        if (!flush_.FlushAll(run)) return false;
        const run::MediaAnswer answer =
            run::AskMedia(run, "Some kind of problem with %s; try again?", {problem}, true);
        if (run::Accepted(answer)) continue;
        if (answer != run::MediaAnswer::Skip) run.verdict.Fail(run::kExitBadDirectories);
        return false;
    }
    return true;
}

void CopyJobKind::Work(run::RunState& run) {
    const options::JobSettings& settings = run.Settings();
    const std::string destination = settings.destination;
    const std::int64_t filesBefore = run.counters.fileCount;
    copy::CopyTree(run, settings.source, destination);
    // Only a destination that received files is flushed at the end: the
    // flush of one never written could only fail for reasons of its own and
    // hide why the run really failed.
    if (!settings.nocopy && run.counters.fileCount != filesBefore) flush_.Remember(destination);
}

}  // namespace brenx::jobs
