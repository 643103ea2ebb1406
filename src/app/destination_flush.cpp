#include "app/destination_flush.h"

#include <algorithm>
#include <utility>

#include "copy/flush.h"
#include "run/run_state.h"

namespace brenx::app {
namespace {

// A destination whose medium is gone by now may have lost what it received.
bool FlushKeepingFailure(run::RunState& run, const std::string& destination) {
    constexpr copy::GoneMedium kGone = copy::GoneMedium::Failure;
    if (run.exitCode == 0) return copy::FlushDestination(run, destination, kGone);
    const std::int32_t exitCode = run.exitCode;
    std::string reason = run.failureReason;
    const bool flushed = copy::FlushDestination(run, destination, kGone);
    run.exitCode = exitCode;
    run.failureReason = std::move(reason);
    return flushed;
}

}  // namespace

void DestinationFlush::Remember(const std::string& destination) {
    if (destination.empty()) return;
    if (std::find(pending_.begin(), pending_.end(), destination) != pending_.end()) return;
    pending_.push_back(destination);
}

bool DestinationFlush::FlushAll(run::RunState& run) {
    bool flushed = true;
    for (const std::string& destination : pending_) {
        flushed = FlushKeepingFailure(run, destination) && flushed;
    }
    pending_.clear();
    return flushed;
}

}  // namespace brenx::app
