#include "run/report_failure.h"

#include "run/exit_codes.h"
#include "run/messages.h"
#include "run/pause.h"
#include "run/run_state.h"
#include "run/status_board.h"

namespace brenx::run {

void ReportFailure(RunState& run) {
    if (run.exitCode == kExitSuccess) return;
    run.Board().SetBannerLook(BannerLook::Failure);
    run.Board().SetText(BoardText::Banner, "Oops sorry about that...");
    if (run.failureReason == run.reportedReason || run.exitCode == kExitVersionPrompt) return;
    run.reportedReason = run.failureReason;
    ErrorMessage(run, "Sorry: %s", {run.failureReason});
    Pause(run, 500);
}

}  // namespace brenx::run
