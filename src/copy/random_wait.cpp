#include "copy/random_wait.h"

#include <cstdint>

#include "options/job_settings.h"
#include "options/log_file.h"
#include "run/destination_free.h"
#include "run/keep_going.h"
#include "run/messages.h"
#include "run/operator.h"
#include "run/pause.h"
#include "run/run_state.h"
#include "run/status_board.h"
#include "support/safe_format.h"

namespace brenx::copy {
namespace {

constexpr int kWaitStepMs = 1000;

bool IsDue(run::RunState& run, bool atEnd) {
    const options::JobSettings& settings = run.Settings();
    if (settings.nocopy || settings.RandomWait <= 0) return false;
    if (run.jobMode != run::JobMode::Copy || !run.copySession.cdrMode) return false;
    const std::int64_t onMedia = run.counters.cdByteCount;
    return atEnd ? onMedia >= settings.RandomWait : onMedia >= run.copySession.nextWaitAt;
}

void AskForEject(run::RunState& run) {
    const options::JobSettings& settings = run.Settings();
    run.copySession.nextEjectAt += settings.RandomEject;
    run.Log().Write(support::SafeFormat("random eject at %d bytes", {settings.RandomEject}));
    for (int beep = 0; beep < 3; ++beep)
        run.Op().Beep();
    run::InfoMessage(run,
                     "You might consider ejecting and reinserting this silly thing to let Adaptec "
                     "tidy-up and maybe it can write more files without error; click OK or "
                     "whatever when you want to to continue.");
}

void Wait(run::RunState& run, bool atEnd) {
    const options::JobSettings& settings = run.Settings();
    const std::int32_t seconds = settings.RandomTime;
    run.Log().Write(support::SafeFormat("waiting for %d seconds at %d bytes (randomwait=%d)",
                                        {seconds, run.counters.cdByteCount, settings.RandomWait}));
    run.copySession.nextWaitAt += settings.RandomWait;
    const int maximum = seconds + 1;
    const double minutes = seconds / 60.0;
    run.Board().SetText(
        run::BoardText::RandomWaitCaption,
        support::SafeFormat(atEnd ? "%.02f minute wait at end" : "%.02f minute wait", {minutes}));
    run.Board().SetRandomWait(true, 0, maximum);
    for (int i = 1; i <= seconds; ++i) {
        run::Pause(run, kWaitStepMs);
        run.Board().SetRandomWait(true, i, maximum);
        if (run::SkipDelayRequested(run)) break;
    }
}

}  // namespace

void RandomWaitOrEject(run::RunState& run, bool atEnd) {
    if (!IsDue(run, atEnd)) return;
    run::ShowDestinationFree(run);
    const options::JobSettings& settings = run.Settings();
    if (settings.RandomEject > 0 && run.counters.cdByteCount > run.copySession.nextEjectAt) {
        AskForEject(run);
    } else {
        Wait(run, atEnd);
    }
    run.Board().SetRandomWait(false, 0, 0);
}

}  // namespace brenx::copy
