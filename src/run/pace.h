#pragma once

#include <cstdint>

namespace brenx::run {

// How often, in milliseconds, a long job gives the front end its turn: events
// run (so a Stop press is seen) and the file's progress is drawn. A desktop
// window that pumped and repainted on every block of a file would cost more
// than the copy itself.
inline constexpr std::uint64_t kFrontEndTurn = 50;

// Lets something happen at most once per interval of a clock. With an
// interval of 0 it is always due.
class Pace {
  public:
    void SetInterval(std::uint64_t milliseconds) { interval_ = milliseconds; }

    // True at the first call, then whenever the interval has passed since
    // the last call that said true.
    bool Due(std::uint64_t now) {
        if (started_ && now - last_ < interval_) return false;
        started_ = true;
        last_ = now;
        return true;
    }

  private:
    std::uint64_t interval_ = 0;
    std::uint64_t last_ = 0;
    bool started_ = false;
};

// The turns of the front end: one pace for the event pump, one for the
// progress of the file at hand.
struct FrontEndPace {
    Pace events;
    Pace progress;

    void SetInterval(std::uint64_t milliseconds) {
        events.SetInterval(milliseconds);
        progress.SetInterval(milliseconds);
    }
};

}  // namespace brenx::run
