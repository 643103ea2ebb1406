// brenxc: Brenx on a terminal. The same command line as the desktop program;
// questions and messages on standard error, answers from standard input, the
// run's exit code as the process's.

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

#include "app/program.h"
#include "console/console_board.h"
#include "console/console_input.h"
#include "console/console_operator.h"
#include "console/console_output.h"
#include "platform/interrupt_requests.h"

namespace {

// A standard descriptor that the caller closed is opened on /dev/null, so that
// no file the run opens later takes its number and receives the messages.
void KeepStandardDescriptorsOpen() {
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (fcntl(fd, F_GETFD) < 0 && open("/dev/null", O_RDWR) != fd) return;
    }
}

}  // namespace

int main(int argc, char** argv) {
    using namespace brenx::console;
    KeepStandardDescriptorsOpen();
    // A reader of standard error that goes away must not end a copy half-way.
    signal(SIGPIPE, SIG_IGN);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const bool terminalInput = isatty(STDIN_FILENO) == 1;
    const bool terminalOutput = isatty(STDERR_FILENO) == 1;

    const std::unique_ptr<brenx::platform::InterruptRequests> presses =
        brenx::platform::MakeInterruptRequests();
    presses->Install();
    ConsoleInput input(STDIN_FILENO, *presses);
    ConsoleOutput output(STDERR_FILENO, terminalOutput);
    ConsoleOperator op(input, output, !terminalInput);
    ConsoleBoard board(
        output, terminalOutput ? std::chrono::milliseconds(200) : std::chrono::milliseconds(5000));
    const int exitCode = brenx::app::RunProgram(arguments, op, board);
    board.Flush();
    output.KeepProgress();
    return exitCode;
}
