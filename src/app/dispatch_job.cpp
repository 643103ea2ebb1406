#include "app/job_driver.h"
#include "jobs/arc_clear.h"
#include "jobs/ex_program.h"
#include "jobs/read_back.h"
#include "jobs/verify.h"
#include "options/job_settings.h"
#include "options/option_load.h"
#include "run/caption.h"
#include "run/confirm_start.h"
#include "run/destination_free.h"
#include "run/exit_codes.h"
#include "run/report_failure.h"
#include "run/run_state.h"
#include "run/status_board.h"

// The dispatcher: which kind of job the settings describe, tried in a fixed
// order, each with its caption label and start question.
namespace brenx::app {
namespace {

// The settings file the run read, in parentheses with "??" when it was not
// there; nothing when the run kept the file closed (-x): no file was missed.
std::string SettingsFileLabel(run::RunState& run) {
    const options::SettingsFile& file = run.Options().SettingsFileState();
    if (run.Settings().nosettings && file.ResolvedPath().empty()) return std::string();
    const std::string path = file.ResolvedPath().empty() ? file.Name() : file.ResolvedPath();
    return file.Existed() ? path : "(" + path + "?\?)";
}

void ExecuteJob(run::RunState& run) {
    const std::string& program = run.Settings().program;
    run.jobLabel = "Execute: ";
    run::ShowCaption(run, "%s", {program});
    if (!run::ConfirmStart(run, run::StartNote::With, "Execute \"%s\" over and over again?",
                           {program})) {
        jobs::ExProgram(run);
    }
}

void ArcClearJob(run::RunState& run) {
    run.jobLabel = "Crush arcs: ";
    run::ShowCaption(run, "");
    if (!run::ConfirmStart(run, run::StartNote::Without, "Crush arc bits on bunches of files?")) {
        jobs::RunArcClear(run);
    }
}

void ReadBackJob(run::RunState& run) {
    run.jobLabel = "Read: ";
    run::ShowDestinationFree(run);
    if (!run::ConfirmStart(run, run::StartNote::With, "Read a bunch of files on %s?",
                           {run.Settings().destination})) {
        jobs::RunReadBack(run);
    }
}

void VerifyJob(run::RunState& run) {
    run.jobLabel = "Verify: ";
    run.jobMode = run::JobMode::Verify;
    run::ShowDestinationFree(run);
    // Verify puts its own start question.
    if (!jobs::RunVerify(run)) run.verdict.Fail(run::kExitVerifyFailed);
}

}  // namespace

bool JobDriver::DispatchJob() {
    const options::JobSettings& settings = run_.Settings();
    run_.flags.cdrMode = true;
    run_.Board().SetText(run::BoardText::SettingsFile, SettingsFileLabel(run_));
    run_.Board().SetText(run::BoardText::Source, settings.source);
    if (!settings.program.empty()) {
        ExecuteJob(run_);
    } else if (settings.stopbak) {
        ArcClearJob(run_);
    } else if (settings.read) {
        ReadBackJob(run_);
    } else if (!settings.verify.empty()) {
        VerifyJob(run_);
    } else {
        CopyJob();
    }
    run::ReportFailure(run_);
    return !run_.verdict.Failed();
}

}  // namespace brenx::app
