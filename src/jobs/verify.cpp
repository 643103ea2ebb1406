#include "jobs/verify.h"

#include <memory>

#include "jobs/job_header.h"
#include "jobs/verify_job.h"
#include "jobs/verify_log_pick.h"
#include "jobs/version_stop.h"
#include "options/job_settings.h"
#include "platform/file_in_memory.h"
#include "platform/file_system.h"
#include "platform/host_reason.h"
#include "run/confirm_start.h"
#include "run/messages.h"
#include "run/option_echo.h"
#include "run/reason_line.h"
#include "run/run_state.h"
#include "run/status_board.h"
#include "support/safe_format.h"

namespace brenx::jobs {
namespace {

// The main window shows the log in the destination's place; there is no source.
void RelabelBoard(run::RunState& run) {
    run::StatusBoard& board = run.Board();
    board.SetText(run::BoardText::DestinationCaption, "CRC log file:");
    board.SetText(run::BoardText::Source, "");
    board.ShowSourceCaption(false);
}

// The log is taken into memory first: it may lie on one of the media it
// names (the "b" copy on a destination), which the operator must be free to
// take out at "Changed Media" and at every question.
bool ReadTheLog(run::RunState& run, const std::string& path) {
    std::unique_ptr<platform::FileHandle> log = platform::ReadWholeFile(run.Fs(), path);
    if (!log) {
        run::ErrorMessage(
            run, "%s",
            {run::WithReason(support::SafeFormat("Sorry couldn't open verify log %s", {path}),
                             platform::HostErrorReason(run.Fs().LastError()))});
        return false;
    }
    VerifyJob job(run, path);
    const bool verified = job.Run(*log);
    log->Close();
    return verified;
}

}  // namespace

bool RunVerify(run::RunState& run) {
    RelabelBoard(run);
    run.verdict.Expect("user cancelled");
    if (run::ConfirmStart(run, run::StartNote::With, "Verify \"%s\"?", {run.Settings().verify})) {
        return false;
    }
    if (!PickVerifyLog(run)) return false;
    const std::string path = run.Settings().verify;
    run.verdict.Expect("verify error");
    run.Board().SetText(run::BoardText::Destination, path);
    WriteJobHeader(run, support::SafeFormat("brenx [verify] %s %s", {path, SettingsFilePath(run)}),
                   HeaderTimeNow());
    if (run.Settings().asked_help) {
        StopWithVersionPrompt(run, "? on command line");
        return false;
    }
    run::ShowOptionEcho(run);
    return ReadTheLog(run, path);
}

}  // namespace brenx::jobs
