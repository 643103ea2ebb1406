#include "jobs/destination_flush.h"

#include <algorithm>
#include <utility>

#include "copy/flush.h"
#include "run/run_state.h"

namespace brenx::jobs {
namespace {

// A destination whose medium is gone by now may have lost what it received.
// A failure that stands already stays the run's (the verdict keeps it).
bool FlushRemembered(run::RunState& run, const std::string& destination) {
    return copy::FlushDestination(run, destination, copy::GoneMedium::Failure);
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
        flushed = FlushRemembered(run, destination) && flushed;
    }
    pending_.clear();
    return flushed;
}

}  // namespace brenx::jobs
