#include "app/job_driver.h"

#include "app/completion.h"
#include "jobs/version_stop.h"
#include "options/job_settings.h"
#include "options/option_load.h"
#include "platform/file_system.h"
#include "run/destination_free.h"
#include "run/exit_codes.h"
#include "run/messages.h"
#include "run/operator.h"
#include "run/option_echo.h"
#include "run/run_state.h"
#include "run/status_board.h"
#include "run/throughput_clock.h"

namespace brenx::app {

JobDriver::JobDriver(run::RunState& run)
    : run_(run), specReader_(run.Fs(), run.Op(), run.Log(), run.Options()) {}

// The run's start, once: the options are loaded, the windows go where the
// operator last left them, and what comes from the options for the whole
// run is set up: the thresholds of the random waits and ejects, the verify
// root, the alarm sound.
void JobDriver::StartRun() {
    options::OptionLoad& options = run_.Options();
    options.LoadJobSettings();
    const options::JobSettings& settings = options.Settings();
    run_.Board().RestoreWindowPlacement();
    run_.copySession.nextWaitAt = settings.RandomWait;
    run_.copySession.nextEjectAt = settings.RandomEject;
    run_.Board().SetText(run::BoardText::RandomWaitCaption,
                         support::SafeFormat("Random wait (%d\")", {settings.RandomTime}));
    run_.jobMode = run::JobMode::None;
    run_.verifySession.root = options.CommandLineState().verifyRoot;
    if (!settings.nosettings) {
        run_.verifySession.root = settings.fakeverify;
        run_.verifySession.cut = 0;
    }
    // A sound that is not there sounds no alarm at all. The player is the
    // host's, so it gets the host's name of the file.
    std::string sound;
    if (!settings.noise.empty() && run_.Fs().FileExists(settings.noise) &&
        !run_.Fs().HostPath(settings.noise, sound)) {
        sound.clear();
    }
    run_.Op().SetAlarmSound(sound);
    run_.TakeEchoKeys();
    TellSettingsWarning(options.SettingsWarning());
}

// A settings file that gives no settings is told without a question, so that
// an unattended run goes on: in the log, and on the banner until the run's
// own banner takes its place.
void JobDriver::TellSettingsWarning(const std::string& warning) {
    if (warning.empty()) return;
    run_.Log().Write(warning);
    run_.Board().SetBannerLook(run::BannerLook::Complaint);
    run_.Board().SetText(run::BoardText::Banner, warning);
}

void JobDriver::PrepareJob() {
    if (!started_) {
        started_ = true;
        StartRun();
    }
    run::ShowOptionEcho(run_);
    run_.flags.closeAllowed = false;
    run_.flags.stopRequested = false;
    run_.flags.waitingForStartFile = false;
    run_.Board().SetText(run::BoardText::DestinationCaption, "Destination:");
}

RunEnd JobDriver::RunJobs() {
    PrepareJob();
    run::ShowDestinationFree(run_);
    const options::JobSettings& settings = run_.Settings();
    if (!settings.warning.empty() &&
        !run::ConfirmMessage(run_, "Warning: %s; continue?", {settings.warning}, true)) {
        run_.verdict.Fail(run::kExitWarningHeeded, "Warning was heeded by user");
    } else if (settings.asked_help) {
        jobs::StopWithVersionPrompt(run_, "invoked with ?");
    } else if (!run_.Options().SpecMode()) {
        DispatchJob();
    } else {
        RunSpecJobs();
    }
    return Completion(run_, flush_);
}

void JobDriver::TakeSpecFailure(const options::SpecStep& step) {
    if (!step.failureReason.empty()) run_.verdict.Expect(step.failureReason);
    run_.verdict.Fail(step.exitCode);
}

void JobDriver::RunSpecJobs() {
    // A list that cannot be read has not run its jobs: that is no success.
    if (!specReader_.StartSpecJobs()) return TakeSpecFailure(specReader_.OpenFailed());
    for (;;) {
        const options::SpecStep step = specReader_.NextSpecJob();
        if (step.kind == options::SpecStep::Kind::kFailed) return TakeSpecFailure(step);
        if (step.kind == options::SpecStep::Kind::kEnd) break;
        run_.TakeEchoKeys();
        PrepareJob();
        if (!DispatchJob()) return;
    }
    run::StopThroughputClock(run_);
    if (!run_.verdict.Failed()) SpecFileEnding(run_, flush_);
}

}  // namespace brenx::app
