#include "platform/posix/posix_interrupt_requests.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace brenx::platform {
namespace {

PosixInterruptRequests* interruptTarget = nullptr;

void OnInterrupt(int) {
    const int saved = errno;
    if (interruptTarget != nullptr) interruptTarget->Press();
    errno = saved;
}

void WriteWakeByte(int fd) {
    if (fd < 0) return;
    const char byte = 1;
    // A full pipe already wakes the waits; the count is what matters.
    [[maybe_unused]] const ssize_t written = write(fd, &byte, 1);
}

}  // namespace

PosixInterruptRequests::PosixInterruptRequests() {
    if (pipe2(pipe_, O_NONBLOCK | O_CLOEXEC) != 0) pipe_[0] = pipe_[1] = -1;
}

PosixInterruptRequests::~PosixInterruptRequests() {
    StopListening();
    if (interruptTarget == this) {
        signal(SIGINT, SIG_DFL);
        interruptTarget = nullptr;
    }
    if (pipe_[0] >= 0) close(pipe_[0]);
    if (pipe_[1] >= 0) close(pipe_[1]);
}

bool PosixInterruptRequests::Install() {
    interruptTarget = this;
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    // Interrupted reads and writes of files carry on; the waits wake through the pipe.
    action.sa_flags = SA_RESTART;
    return sigaction(SIGINT, &action, nullptr) == 0;
}

void PosixInterruptRequests::Press() {
    presses_.fetch_add(1);
    WriteWakeByte(pipe_[1]);
}

int PosixInterruptRequests::Take() {
    if (presses_.load() == 0) return 0;
    return presses_.exchange(0);
}

void PosixInterruptRequests::ClearWake() {
    if (pipe_[0] < 0) return;
    char bytes[64];
    while (read(pipe_[0], bytes, sizeof bytes) > 0) {
    }
}

void PosixInterruptRequests::Listen(std::function<void()> listener) {
    StopListening();
    listener_ = std::move(listener);
    if (listener_ && pipe_[0] >= 0) watcher_ = std::thread([this] { Watch(); });
}

void PosixInterruptRequests::StopListening() {
    if (!watcher_.joinable()) return;
    stopping_ = true;
    WriteWakeByte(pipe_[1]);
    watcher_.join();
    stopping_ = false;
}

void PosixInterruptRequests::Watch() {
    while (!stopping_) {
        pollfd wake = {pipe_[0], POLLIN, 0};
        if (poll(&wake, 1, -1) < 0 && errno != EINTR) return;
        ClearWake();
        if (!stopping_ && Take() > 0) listener_();
    }
}

std::unique_ptr<InterruptRequests> MakeInterruptRequests() {
    return std::make_unique<PosixInterruptRequests>();
}

}  // namespace brenx::platform
