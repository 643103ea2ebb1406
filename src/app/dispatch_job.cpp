#include "app/job_driver.h"
#include "jobs/job_kind.h"
#include "options/job_settings.h"
#include "options/option_load.h"
#include "run/report_failure.h"
#include "run/run_state.h"
#include "run/status_board.h"

// The dispatcher: the settings file and source on the board, then the kind
// of job the settings describe, through its steps.
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

}  // namespace

bool JobDriver::DispatchJob() {
    const options::JobSettings& settings = run_.Settings();
    run_.copySession.cdrMode = true;
    run_.Board().SetText(run::BoardText::SettingsFile, SettingsFileLabel(run_));
    run_.Board().SetText(run::BoardText::Source, settings.source);
    jobs::RunJobKind(run_, *jobs::ChooseJobKind(run_, flush_));
    run::ReportFailure(run_);
    return !run_.verdict.Failed();
}

}  // namespace brenx::app
