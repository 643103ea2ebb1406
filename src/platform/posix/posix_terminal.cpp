#include "platform/posix/posix_terminal.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>

namespace brenx::platform {

PosixTerminalInput::PosixTerminalInput(int fd) : fd_(fd), terminal_(isatty(fd) == 1) {}

TerminalInput::Waited PosixTerminalInput::Wait(InterruptRequests& interrupts, bool watchInput,
                                               int timeoutMs) {
    // A negative descriptor is left out of the poll.
    pollfd fds[2] = {{watchInput ? fd_ : -1, POLLIN, 0},
                     {static_cast<int>(interrupts.Wake().value), POLLIN, 0}};
    Waited waited;
    const int ready = poll(fds, 2, timeoutMs);
    if (ready < 0) {
        waited.failed = errno != EINTR;
        return waited;
    }
    if (fds[1].revents != 0) interrupts.ClearWake();
    if ((fds[0].revents & POLLNVAL) != 0) {
        waited.input = State::Invalid;
    } else if (fds[0].revents != 0) {
        waited.input = State::Ready;
    }
    waited.timedOut = ready == 0;
    return waited;
}

std::ptrdiff_t PosixTerminalInput::Read(char* buffer, std::size_t size) {
    const ssize_t count = read(fd_, buffer, size);
    if (count >= 0) return count;
    return errno == EINTR || errno == EAGAIN ? -1 : 0;
}

void PosixTerminalOutput::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

int PosixTerminalOutput::Columns() const {
    winsize size{};
    if (ioctl(fd_, TIOCGWINSZ, &size) != 0) return 0;
    return size.ws_col;
}

void PrepareConsoleProcess() {
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (fcntl(fd, F_GETFD) < 0 && open("/dev/null", O_RDWR) != fd) break;
    }
    signal(SIGPIPE, SIG_IGN);
}

std::unique_ptr<TerminalInput> MakeStandardInput() {
    return std::make_unique<PosixTerminalInput>(STDIN_FILENO);
}

std::unique_ptr<TerminalOutput> MakeStandardError() {
    return std::make_unique<PosixTerminalOutput>(STDERR_FILENO, isatty(STDERR_FILENO) == 1);
}

}  // namespace brenx::platform
