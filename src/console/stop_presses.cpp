#include "console/stop_presses.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace brenx::console {
namespace {

StopPresses* interruptTarget = nullptr;

void OnInterrupt(int) {
    const int saved = errno;
    if (interruptTarget != nullptr) interruptTarget->Press();
    errno = saved;
}

void MakeNonBlocking(int fd) {
    const int flags = fcntl(fd, F_GETFL);
    if (flags >= 0) fcntl(fd, F_SETFL, flags | O_NONBLOCK);
    fcntl(fd, F_SETFD, FD_CLOEXEC);
}

}  // namespace

StopPresses::StopPresses() {
    if (pipe(pipe_) != 0) {
        pipe_[0] = pipe_[1] = -1;
        return;
    }
    MakeNonBlocking(pipe_[0]);
    MakeNonBlocking(pipe_[1]);
}

StopPresses::~StopPresses() {
    if (interruptTarget == this) {
        signal(SIGINT, SIG_DFL);
        interruptTarget = nullptr;
    }
    if (pipe_[0] >= 0) close(pipe_[0]);
    if (pipe_[1] >= 0) close(pipe_[1]);
}

bool StopPresses::CatchInterrupt() {
    interruptTarget = this;
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    // Interrupted reads and writes of files carry on; the waits wake through the pipe.
    action.sa_flags = SA_RESTART;
    return sigaction(SIGINT, &action, nullptr) == 0;
}

void StopPresses::Press() {
    presses_.fetch_add(1);
    if (pipe_[1] >= 0) {
        const char byte = 1;
        // A full pipe already wakes the waits; the count is what matters.
        [[maybe_unused]] const ssize_t written = write(pipe_[1], &byte, 1);
    }
}

int StopPresses::Take() {
    if (presses_.load() == 0) return 0;
    return presses_.exchange(0);
}

void StopPresses::DrainWake() {
    if (pipe_[0] < 0) return;
    char bytes[64];
    while (read(pipe_[0], bytes, sizeof bytes) > 0) {
    }
}

}  // namespace brenx::console
