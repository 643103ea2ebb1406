#pragma once

#include <cstdint>

namespace brenx::run {

// Milliseconds from a clock that setting the time of day does not move. The
// run's timing (pauses, the throughput clock) reads it, so tests can put a
// clock of their own in its place.
class TickSource {
  public:
    virtual ~TickSource() = default;
    // Milliseconds since an arbitrary start; never goes back, never wraps.
    virtual std::uint64_t Milliseconds() = 0;
};

// The host's monotonic clock.
class SteadyTickSource : public TickSource {
  public:
    std::uint64_t Milliseconds() override;
};

}  // namespace brenx::run
