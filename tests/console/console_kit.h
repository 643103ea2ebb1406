#pragma once

#include <unistd.h>

#include <cstdio>
#include <string>

#include "console/console_input.h"
#include "console/console_operator.h"
#include "console/console_output.h"
#include "platform/posix/posix_interrupt_requests.h"
#include "platform/posix/posix_terminal.h"

namespace brenx::console::testing {

// The read end of a pipe that holds the text, then ends.
inline int PipeWith(const std::string& text) {
    int fds[2];
    if (pipe(fds) != 0) return -1;
    // The scripts are short: they fit into the pipe at once.
    [[maybe_unused]] const ssize_t written = write(fds[1], text.data(), text.size());
    close(fds[1]);
    return fds[0];
}

// A console whose input is the text given (then its end), and whose output
// is kept in a temporary file for the test to read back.
class ConsoleKit {
  public:
    explicit ConsoleKit(const std::string& script, bool terminalOutput = false,
                        ConsoleTiming timing = {})
        : inputFd_(PipeWith(script)),
          outputFile_(std::tmpfile()),
          terminalIn(inputFd_),
          terminalOut(fileno(outputFile_), terminalOutput),
          input(terminalIn, presses),
          output(terminalOut),
          op(input, output, true, timing) {}
    ~ConsoleKit() {
        close(inputFd_);
        std::fclose(outputFile_);
    }
    ConsoleKit(const ConsoleKit&) = delete;
    ConsoleKit& operator=(const ConsoleKit&) = delete;

    // Everything written so far.
    std::string Written() const {
        std::string text;
        char bytes[4096];
        for (off_t at = 0;;) {
            const ssize_t count = pread(fileno(outputFile_), bytes, sizeof bytes, at);
            if (count <= 0) break;
            text.append(bytes, static_cast<std::size_t>(count));
            at += count;
        }
        return text;
    }

  private:
    int inputFd_;
    std::FILE* outputFile_;

  public:
    platform::PosixInterruptRequests presses;
    platform::PosixTerminalInput terminalIn;
    platform::PosixTerminalOutput terminalOut;
    ConsoleInput input;
    ConsoleOutput output;
    ConsoleOperator op;
};

}  // namespace brenx::console::testing
