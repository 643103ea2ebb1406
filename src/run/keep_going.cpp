#include "run/keep_going.h"

#include "run/exit_codes.h"
#include "run/messages.h"
#include "run/operator.h"
#include "run/run_state.h"
#include "run/throughput_clock.h"
#include "run/tick_source.h"

namespace brenx::run {
namespace {

void LetEventsRun(RunState& run) {
    if (run.Op().PumpEvents()) run.flags.stopRequested = true;
    RefreshThroughput(run);
}

}  // namespace

bool KeepGoing(RunState& run) {
    if (run.pace.events.Due(run.Ticks().Milliseconds())) LetEventsRun(run);
    RunFlags& flags = run.flags;
    // Once the operator has given up, the polls of the loops that unwind
    // stop without asking again.
    if (flags.stopRequested && !flags.gaveUp) {
        if (ConfirmMessage(run, "Give up now?", {}, true, options::QuestionId::GiveUpNow)) {
            run.verdict.Fail(kExitGaveUp);
            flags.gaveUp = true;
        } else {
            flags.stopRequested = false;
        }
    }
    if (flags.stopRequested || flags.closeAllowed) {
        flags.stopRequested = true;
        flags.closeAllowed = true;
        return false;
    }
    return true;
}

bool SkipDelayRequested(RunState& run) {
    LetEventsRun(run);
    const bool skip = run.flags.stopRequested && ConfirmMessage(run, "Skip the delay?", {}, true,
                                                                options::QuestionId::SkipDelay);
    run.flags.stopRequested = false;
    return skip;
}

}  // namespace brenx::run
