#include "app/cdr_mode.h"
#include "app/check_directories.h"
#include "app/job_driver.h"
#include "copy/copy_tree.h"
#include "jobs/job_header.h"
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

// The copy job: its header, the start question, the destination media, the
// key files and the directories, then the tree copy.
namespace brenx::app {
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

bool JobDriver::CopyJobCanStart() {
    const options::JobSettings& settings = run_.Settings();
    std::string reason;
    if (VersionPromptNeeded(settings, reason)) {
        jobs::StopWithVersionPrompt(run_, reason);
        return false;
    }
    if (!settings.startfile.empty()) run_.flags.waitingForStartFile = true;
    run::ShowOptionEcho(run_);
    run_.destinationRoot = jobs::VolumeRoot(settings.destination);
    run_.flags.cdrMode = CdrModeFor(run_.destinationRoot, settings.NotCDR);
    if (settings.nocopy) {
        return !run::ConfirmStart(
            run_, run::StartNote::Without,
            "Read %s as if copying to %s?\r\n(i.e., nocopy=1; if crc+log, it'll create a "
            "valuable crc file at least)",
            {settings.source, settings.destination});
    }
    const char* suffix = run_.flags.cdrMode ? " (with CDR name processing and random waits)" : "";
    return !run::ConfirmStart(run_, run::StartNote::With, "Brenx from %s to %s%s?\r\n",
                              {settings.source, settings.destination, suffix});
}

void JobDriver::CheckAndCopy() {
    const options::JobSettings& settings = run_.Settings();
    run_.verdict.Expect("CheckDirectories");
    std::string problem;
    while (!CheckDirectories(run_, problem, !settings.nocopy)) {
        // What earlier jobs copied goes onto its medium before the operator
        // may change it. This job has copied nothing yet: a flush of its own
        // destination could only fail for the very problem asked about (a
        // name no medium can hold), and its failure would stand in its place.
        // A flush that fails keeps its exit code and reason.
        if (!flush_.FlushAll(run_)) return;
        const run::MediaAnswer answer =
            run::AskMedia(run_, "Some kind of problem with %s; try again?", {problem}, true);
        if (run::Accepted(answer)) continue;
        // Skipped, the job ends as if it had not been asked for.
        if (answer != run::MediaAnswer::Skip) run_.verdict.Fail(run::kExitBadDirectories);
        return;
    }
    const std::string destination = settings.destination;
    const std::int64_t filesBefore = run_.counters.fileCount;
    copy::CopyTree(run_, settings.source, destination);
    // Only a destination that received files is flushed at the end: the
    // flush of one never written could only fail for reasons of its own and
    // hide why the run really failed.
    if (!settings.nocopy && run_.counters.fileCount != filesBefore) flush_.Remember(destination);
}

void JobDriver::CopyJob() {
    const options::JobSettings& settings = run_.Settings();
    run_.jobLabel = "Copy: ";
    run::ShowDestinationFree(run_);
    run_.jobMode = run::JobMode::Copy;
    run::CountsFile(run_, false);
    run_.Board().SetText(run::BoardText::Destination, settings.destination);
    jobs::WriteJobHeader(
        run_, support::SafeFormat("brenx %s %s", {settings.source, settings.destination}),
        support::SafeFormat("%s %s", {jobs::SettingsFilePath(run_), jobs::HeaderTimeNow()}));
    if (!CopyJobCanStart()) return;
    if (!settings.nocopy && !jobs::MediaPresent(run_, "destination", run::kExitNoMedia)) return;
    run::ShowDestinationFree(run_);
    if (!settings.nocopy && !jobs::CheckKeyFile(run_, "destination")) return;
    if (!jobs::CheckKeyFile(run_, "source")) return;
    CheckAndCopy();
}

}  // namespace brenx::app
