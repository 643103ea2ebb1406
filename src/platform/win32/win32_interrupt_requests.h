#pragma once

#include <atomic>
#include <functional>
#include <thread>

#include "platform/interrupt_requests.h"

namespace brenx::platform {

// Ctrl-C and Ctrl-Break of the console as interrupt requests. The console
// calls the control handler on a thread of its own; the handler only counts
// the press and sets an event, which is the wake handle.
class Win32InterruptRequests : public InterruptRequests {
  public:
    Win32InterruptRequests();
    ~Win32InterruptRequests() override;
    Win32InterruptRequests(const Win32InterruptRequests&) = delete;
    Win32InterruptRequests& operator=(const Win32InterruptRequests&) = delete;

    bool Install() override;
    void Press() override;
    int Take() override;
    WakeHandle Wake() const override;
    void ClearWake() override;
    void Listen(std::function<void()> listener) override;

  private:
    void StopListening();
    // The listener's thread: waits for a press until told to stop.
    void Watch();

    std::atomic<int> presses_{0};
    void* wake_ = nullptr;  // a manual-reset event
    void* stop_ = nullptr;  // tells the watcher to end
    std::function<void()> listener_;
    std::thread watcher_;
};

}  // namespace brenx::platform
