#pragma once

#include <atomic>

namespace brenx::console {

// Ctrl-C as the Stop button. Each press is counted and wakes whatever waits
// on WakeFd(), so a wait or a question notices it at once; Press() is safe to
// call from a signal handler.
class StopPresses {
  public:
    StopPresses();
    ~StopPresses();
    StopPresses(const StopPresses&) = delete;
    StopPresses& operator=(const StopPresses&) = delete;

    // Routes SIGINT here (one object at a time). False when the handler
    // could not be installed.
    bool CatchInterrupt();

    void Press();
    // The presses since the last call. Cheap when there are none: no system
    // call, so the engine's per-block poll costs nothing.
    int Take();
    // Empties the wake-up pipe; a wait calls it when the pipe woke it.
    void DrainWake();
    // Readable while a press waits to be taken; -1 when no pipe could be made.
    int WakeFd() const { return pipe_[0]; }

  private:
    std::atomic<int> presses_{0};
    int pipe_[2] = {-1, -1};
};

}  // namespace brenx::console
