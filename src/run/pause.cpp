#include "run/pause.h"

#include <algorithm>
#include <cstdint>

#include "run/operator.h"
#include "run/run_state.h"
#include "run/throughput_clock.h"
#include "run/tick_source.h"

namespace brenx::run {

void Pause(RunState& run, int milliseconds) {
    if (run.flags.pauseInProgress) return;
    run.flags.pauseInProgress = true;
    const auto length = static_cast<std::uint64_t>(std::clamp(milliseconds, kMinPause, kMaxPause));
    const std::uint64_t start = run.Ticks().Milliseconds();
    std::uint64_t elapsed = 0;
    // A wait that ends without a Stop press has waited the whole time asked;
    // one cut short by Stop goes on for what the clock says is left.
    while (elapsed < length && run.Op().Wait(static_cast<int>(length - elapsed))) {
        run.flags.stopRequested = true;
        elapsed = run.Ticks().Milliseconds() - start;
    }
    RefreshThroughput(run);
    run.flags.pauseInProgress = false;
}

}  // namespace brenx::run
