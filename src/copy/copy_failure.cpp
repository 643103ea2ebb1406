#include "copy/copy_failure.h"

#include "copy/copy_result.h"
#include "copy/flush.h"
#include "copy/media_change.h"
#include "copy/room_check.h"
#include "options/cant_file.h"
#include "options/job_settings.h"
#include "options/log_file.h"
#include "options/skip_rules.h"
#include "platform/file_system.h"
#include "platform/host_reason.h"
#include "run/destination_free.h"
#include "run/exit_codes.h"
#include "run/messages.h"
#include "run/option_echo.h"
#include "run/reason_line.h"
#include "run/run_state.h"
#include "run/skipped_files.h"

namespace brenx::copy {
namespace {

struct Paths {
    std::string from;
    std::string to;
};

Paths PathsOf(const FailedFile& file) {
    return {file.sourceDirectory + file.name, file.destinationDirectory + file.newName};
}

// No room: new media, or the job ends with exit code 21.
bool NewMediaForRoom(run::RunState& run, const FailedFile& file) {
    const Paths paths = PathsOf(file);
    const run::MediaAnswer answer = AskCopyMedia(
        run, file.destinationDirectory,
        "Can't copy \"%s\" because it's %d bytes, and only %d bytes left on %s; new media?",
        {paths.from, file.size, run.counters.dstBytesFree, run.destinationRoot}, false);
    if (!run::Accepted(answer)) {
        run.verdict.Fail(run::kExitNoRoom, "no room on destination");
        return false;
    }
    TakeNewMedia(run);
    return true;
}

AfterFailure NotNewer(run::RunState& run, const FailedFile& file) {
    const options::JobSettings& settings = run.Settings();
    const Paths paths = PathsOf(file);
    const std::string rule = options::NewerRuleLabel(settings, false);
    run.counters.newerSkipped += 1;
    if (settings.NewerLog) {
        run.Log().Write(
            support::SafeFormat("%s #%d: didn't copy %s to %s",
                                {rule, run.counters.newerSkipped, paths.from, paths.to}));
    }
    if (settings.NewerComplaint &&
        run::ConfirmMessage(run, "Didn't CopyBFile(%s, %s) because of %s; give up?",
                            {paths.from, paths.to, rule}, true)) {
        run.verdict.Fail(run::kExitNotNewer, support::SafeFormat("User cancelled in %s", {rule}));
        return AfterFailure::EndWalk;
    }
    return AfterFailure::NextFile;
}

// The failed file as the skip rules and the question see it.
struct Failure {
    const FailedFile& file;
    Paths paths;
    CopyOutcome outcome;
    std::string reason;
};

// After new media for a file that did not fit, the room failure is the
// earlier medium's: the reason says what the medium in the drive now is.
std::string ReasonOnNewMedia(run::RunState& run, const FailedFile& file) {
    const Paths paths = PathsOf(file);
    run::ShowDestinationFree(run, file.destinationDirectory);
    if (run.counters.dstBytesFree < 0) return platform::HostErrorReason(run.Fs().LastError());
    if (RoomFor(run, paths.from, paths.to, file.size) == Room::None) {
        return "the file is larger than the space left on this medium too";
    }
    return "the file did not fit on the medium before this one";
}

AfterFailure SkipByOption(run::RunState& run, const char* format, const Failure& failure) {
    run.Log().Write(run::WithReason(
        support::SafeFormat(format, {failure.paths.from, failure.paths.to}), failure.reason));
    run.counters.optionSkips += 1;
    return AfterFailure::NextFile;
}

bool IsAutoSkip(run::RunState& run, const Failure& failure) {
    return run.Settings().BLRautoSkip && failure.outcome.code == kCopySourceFailed &&
           failure.file.name.find('_') != std::string::npos;
}

AfterFailure AskAboutFailure(run::RunState& run, const Failure& failure) {
    const FailedFile& file = failure.file;
    const Paths& paths = failure.paths;
    // The note is appended after formatting: a cant_file name is no format.
    const std::string& cantFile = run.Settings().cant_file;
    const std::string question = run::WithReason(
        support::SafeFormat("Couldn't CopyBFile( %s, %s); try new media?", {paths.from, paths.to}) +
            (cantFile.empty() ? std::string() : support::SafeFormat(" (cant_file:%s)", {cantFile})),
        failure.reason);
    const run::MediaAnswer answer =
        AskCopyMedia(run, file.destinationDirectory, "%s", {question}, true);
    if (answer == run::MediaAnswer::Skip) {
        run::SkippedByOperator(run,
                               support::SafeFormat("CopyBfile ( %s, %s)", {paths.from, paths.to}));
        return AfterFailure::NextFile;
    }
    if (!run::Accepted(answer)) return AfterFailure::EndWalk;
    // A medium that a write found full (it does not tell its free space, or
    // it filled since it was measured) is changed as at the room question, so
    // the log marks the change for verify.
    if (failure.outcome.error == platform::HostError::NoSpace) {
        TakeNewMedia(run);
    } else {
        run.copySession.destinationDirPending = true;
    }
    return AfterFailure::Retry;
}

AfterFailure SkipRulesOrAsk(run::RunState& run, const Failure& failure) {
    const options::JobSettings& settings = run.Settings();
    const FailedFile& file = failure.file;
    if (IsAutoSkip(run, failure)) {
        run.counters.autoSkips += 1;
        run.Log().Write(run::WithReason(
            support::SafeFormat("BLRautoSkip %d: CopyBfile( %s, %s)",
                                {run.counters.autoSkips, failure.paths.from, failure.paths.to}),
            failure.reason));
        run::ShowOptionEcho(run);
        return AfterFailure::NextFile;
    }
    if (settings.cant_all) return SkipByOption(run, "cant_all skip: CopyBfile ( %s, %s)", failure);
    if (options::IsCantSkipName(settings, file.name)) {
        return SkipByOption(run, "cant_skip skip: CopyBfile ( %s, %s)", failure);
    }
    if (options::IsListedInCantFile(run.Fs(), settings, file.sourceDirectory, file.name)) {
        return SkipByOption(run, "cant_file skip: CopyBfile ( %s, %s)", failure);
    }
    return AskAboutFailure(run, failure);
}

}  // namespace

AfterFailure AnalyseFailure(run::RunState& run, const FailedFile& file,
                            const CopyOutcome& outcome) {
    if (run.verdict.Failed()) return AfterFailure::EndWalk;
    if (outcome.code == kCopyNotNeeded) return NotNewer(run, file);
    if (outcome.code != kCopyNoRoom) {
        return SkipRulesOrAsk(run,
                              Failure{file, PathsOf(file), outcome, CopyFailureReason(outcome)});
    }
    if (!NewMediaForRoom(run, file)) return AfterFailure::EndWalk;
    return SkipRulesOrAsk(run, Failure{file, PathsOf(file), outcome, ReasonOnNewMedia(run, file)});
}

}  // namespace brenx::copy
