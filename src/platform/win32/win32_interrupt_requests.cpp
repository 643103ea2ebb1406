#include "platform/win32/win32_interrupt_requests.h"

#include <windows.h>

namespace brenx::platform {
namespace {

std::atomic<Win32InterruptRequests*> interruptTarget{nullptr};

// Ctrl-C and Ctrl-Break stop the run; closing the console, logging off and
// shutting down go on to the default handler, which ends the process.
BOOL WINAPI OnControl(DWORD kind) {
    if (kind != CTRL_C_EVENT && kind != CTRL_BREAK_EVENT) return FALSE;
    Win32InterruptRequests* target = interruptTarget.load();
    if (target == nullptr) return FALSE;
    target->Press();
    return TRUE;
}

HANDLE NewEvent() {
    return CreateEventW(nullptr, TRUE, FALSE, nullptr);
}

}  // namespace

Win32InterruptRequests::Win32InterruptRequests() : wake_(NewEvent()), stop_(NewEvent()) {}

Win32InterruptRequests::~Win32InterruptRequests() {
    StopListening();
    Win32InterruptRequests* self = this;
    if (interruptTarget.compare_exchange_strong(self, nullptr)) {
        SetConsoleCtrlHandler(OnControl, FALSE);
    }
    if (wake_ != nullptr) CloseHandle(wake_);
    if (stop_ != nullptr) CloseHandle(stop_);
}

bool Win32InterruptRequests::Install() {
    // A process started in a new process group has Ctrl-C turned off.
    SetConsoleCtrlHandler(nullptr, FALSE);
    const bool first = interruptTarget.exchange(this) == nullptr;
    return !first || SetConsoleCtrlHandler(OnControl, TRUE) != 0;
}

void Win32InterruptRequests::Press() {
    presses_.fetch_add(1);
    if (wake_ != nullptr) SetEvent(wake_);
}

int Win32InterruptRequests::Take() {
    if (presses_.load() == 0) return 0;
    return presses_.exchange(0);
}

WakeHandle Win32InterruptRequests::Wake() const {
    if (wake_ == nullptr) return {};
    return {reinterpret_cast<std::intptr_t>(wake_)};
}

void Win32InterruptRequests::ClearWake() {
    if (wake_ != nullptr) ResetEvent(wake_);
}

void Win32InterruptRequests::Listen(std::function<void()> listener) {
    StopListening();
    listener_ = std::move(listener);
    if (listener_ && wake_ != nullptr && stop_ != nullptr) {
        watcher_ = std::thread([this] { Watch(); });
    }
}

void Win32InterruptRequests::StopListening() {
    if (!watcher_.joinable()) return;
    SetEvent(stop_);
    watcher_.join();
    ResetEvent(stop_);
}

void Win32InterruptRequests::Watch() {
    const HANDLE handles[2] = {stop_, wake_};
    for (;;) {
        const DWORD woke = WaitForMultipleObjects(2, handles, FALSE, INFINITE);
        if (woke != WAIT_OBJECT_0 + 1) return;
        ClearWake();
        if (Take() > 0) listener_();
    }
}

std::unique_ptr<InterruptRequests> MakeInterruptRequests() {
    return std::make_unique<Win32InterruptRequests>();
}

}  // namespace brenx::platform
