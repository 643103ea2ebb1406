#include "run/report_failure.h"

#include "run/exit_codes.h"
#include "run/messages.h"
#include "run/pause.h"
#include "run/run_state.h"
#include "run/status_board.h"

namespace brenx::run {

void ReportFailure(RunState& run) {
    const Verdict& verdict = run.verdict;
    if (!verdict.Failed()) return;
    run.Board().SetBannerLook(BannerLook::Failure);
    run.Board().SetText(BoardText::Banner, "Oops sorry about that...");
    // The version prompt has spoken for itself.
    if (verdict.Code() == kExitVersionPrompt || !run.verdict.TakeUntold()) return;
    ErrorMessage(run, "Sorry: %s", {verdict.Reason()});
    Pause(run, 500);
}

}  // namespace brenx::run
