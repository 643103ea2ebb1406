#include "run/throughput_clock.h"

#include "run/run_state.h"
#include "run/status_board.h"
#include "run/tick_source.h"
#include "support/number_text.h"
#include "support/safe_format.h"

namespace brenx::run {
namespace {

constexpr std::uint64_t kClockInterval = 2000;

}  // namespace

void StartThroughputClock(RunState& run) {
    if (run.clock.enabled) return;
    run.clock.enabled = true;
    run.clock.startTick = run.Ticks().Milliseconds();
    run.clock.lastShownTick = run.clock.startTick;
}

void StopThroughputClock(RunState& run) {
    run.clock.enabled = false;
}

bool ThroughputText(std::int64_t seconds, std::int64_t bytes, std::string& text) {
    std::int64_t rate = 0;
    if (seconds <= 0 || __builtin_mul_overflow(bytes / seconds, 60, &rate)) {
        text = "Overflow while computing the rate";
        return false;
    }
    text = support::SafeFormat("%d minutes; %s bytes/minute",
                               {seconds / 60, support::GroupedNumber(rate)});
    return true;
}

void RefreshThroughput(RunState& run) {
    if (!run.clock.enabled) return;
    const std::uint64_t now = run.Ticks().Milliseconds();
    if (now - run.clock.lastShownTick < kClockInterval) return;
    run.clock.lastShownTick = now;
    // The whole elapsed time counts, however many days a run takes.
    const auto seconds = static_cast<std::int64_t>((now - run.clock.startTick) / 1000);
    if (seconds == 0) return;
    std::int64_t bytes = 0;
    std::string text;
    if (__builtin_add_overflow(run.counters.byteCount, run.counters.fileBytesRead, &bytes)) {
        text = "Overflow while adding the byte counts";
    } else if (ThroughputText(seconds, bytes, text)) {
        run.Board().SetText(BoardText::Throughput, text);
        return;
    }
    run.Board().SetBannerLook(BannerLook::Complaint);
    run.Board().SetText(BoardText::Banner, "timer complaint: " + text);
}

}  // namespace brenx::run
