#include "copy/copy_failure.h"

#include "copy/copy_result.h"
#include "copy/flush.h"
#include "copy/media_change.h"
#include "options/cant_file.h"
#include "options/job_settings.h"
#include "options/log_file.h"
#include "options/skip_rules.h"
#include "run/exit_codes.h"
#include "run/messages.h"
#include "run/option_echo.h"
#include "run/run_state.h"

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
    if (answer == run::MediaAnswer::None && run.exitCode != 0) return false;
    if (!run::Accepted(answer)) {
        run.exitCode = run::kExitNoRoom;
        run.failureReason = "no room on destination";
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
        run.exitCode = run::kExitNotNewer;
        run.failureReason = support::SafeFormat("User cancelled in %s", {rule});
        return AfterFailure::EndWalk;
    }
    return AfterFailure::NextFile;
}

AfterFailure SkipByOption(run::RunState& run, const char* format, const Paths& paths) {
    run.Log().Write(support::SafeFormat(format, {paths.from, paths.to}));
    run.counters.optionSkips += 1;
    return AfterFailure::NextFile;
}

bool IsAutoSkip(run::RunState& run, const FailedFile& file) {
    return run.Settings().BLRautoSkip && run.lastCopyResult == kCopySourceFailed &&
           file.name.find('_') != std::string::npos;
}

AfterFailure AskAboutFailure(run::RunState& run, const FailedFile& file, const Paths& paths) {
    // The note is appended after formatting: a cant_file name is no format.
    const std::string& cantFile = run.Settings().cant_file;
    const std::string question =
        support::SafeFormat("Couldn't CopyBFile( %s, %s); try new media?", {paths.from, paths.to}) +
        (cantFile.empty() ? std::string() : support::SafeFormat(" (cant_file:%s)", {cantFile}));
    const run::MediaAnswer answer =
        AskCopyMedia(run, file.destinationDirectory, "%s", {question}, true);
    if (run::Accepted(answer)) {
        run.flags.destinationDirPending = true;
        return AfterFailure::Retry;
    }
    return answer == run::MediaAnswer::Skip ? AfterFailure::NextFile : AfterFailure::EndWalk;
}

AfterFailure SkipRulesOrAsk(run::RunState& run, const FailedFile& file) {
    const options::JobSettings& settings = run.Settings();
    const Paths paths = PathsOf(file);
    if (IsAutoSkip(run, file)) {
        run.counters.autoSkips += 1;
        run.Log().Write(support::SafeFormat("BLRautoSkip %d: CopyBfile( %s, %s)",
                                            {run.counters.autoSkips, paths.from, paths.to}));
        run::ShowOptionEcho(run);
        return AfterFailure::NextFile;
    }
    if (settings.cant_all) return SkipByOption(run, "cant_all skip: CopyBfile ( %s, %s)", paths);
    if (options::IsCantSkipName(settings, file.name)) {
        return SkipByOption(run, "cant_skip skip: CopyBfile ( %s, %s)", paths);
    }
    if (options::IsListedInCantFile(run.Fs(), settings, file.sourceDirectory, file.name)) {
        return SkipByOption(run, "cant_file skip: CopyBfile ( %s, %s)", paths);
    }
    return AskAboutFailure(run, file, paths);
}

}  // namespace

AfterFailure AnalyseFailure(run::RunState& run, const FailedFile& file) {
    if (run.exitCode != 0) return AfterFailure::EndWalk;
    if (run.lastCopyResult == kCopyNotNeeded) return NotNewer(run, file);
    if (run.lastCopyResult == kCopyNoRoom && !NewMediaForRoom(run, file)) {
        return AfterFailure::EndWalk;
    }
    return SkipRulesOrAsk(run, file);
}

}  // namespace brenx::copy
