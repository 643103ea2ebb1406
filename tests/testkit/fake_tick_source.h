#pragma once

#include <cstdint>

#include "run/tick_source.h"

namespace brenx::testkit {

// A clock that moves only when the test (or a scripted wait) moves it.
class FakeTickSource : public run::TickSource {
  public:
    std::uint64_t Milliseconds() override { return now_; }
    void Advance(std::uint64_t milliseconds) { now_ += milliseconds; }
    void Set(std::uint64_t milliseconds) { now_ = milliseconds; }

  private:
    std::uint64_t now_ = 1000000;
};

}  // namespace brenx::testkit
