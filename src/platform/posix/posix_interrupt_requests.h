#pragma once

#include <atomic>
#include <functional>
#include <thread>

#include "platform/interrupt_requests.h"

namespace brenx::platform {

// SIGINT as interrupt requests. The handler only counts the press and writes
// a byte into a pipe (a self-pipe), whose read end is the wake handle.
class PosixInterruptRequests : public InterruptRequests {
  public:
    PosixInterruptRequests();
    ~PosixInterruptRequests() override;
    PosixInterruptRequests(const PosixInterruptRequests&) = delete;
    PosixInterruptRequests& operator=(const PosixInterruptRequests&) = delete;

    bool Install() override;
    void Press() override;
    int Take() override;
    WakeHandle Wake() const override { return {pipe_[0]}; }
    void ClearWake() override;
    void Listen(std::function<void()> listener) override;

  private:
    void StopListening();
    // The listener's thread: waits on the pipe until told to stop.
    void Watch();

    std::atomic<int> presses_{0};
    int pipe_[2] = {-1, -1};
    std::function<void()> listener_;
    std::thread watcher_;
    std::atomic<bool> stopping_{false};
};

}  // namespace brenx::platform
