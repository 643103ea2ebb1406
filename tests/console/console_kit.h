#pragma once

#include <string>

#include "console/console_input.h"
#include "console/console_operator.h"
#include "console/console_output.h"
#include "testkit/host_pipe.h"
#include "testkit/recording_terminal_output.h"

#ifdef _WIN32
#include "platform/win32/win32_interrupt_requests.h"
#include "platform/win32/win32_terminal.h"
#else
#include "platform/posix/posix_interrupt_requests.h"
#include "platform/posix/posix_terminal.h"
#endif

namespace brenx::console::testing {

// The host's own input and Ctrl-C: the console reads a real pipe as it
// reads a piped-in script.
#ifdef _WIN32
using HostTerminalInput = platform::Win32TerminalInput;
using HostInterruptRequests = platform::Win32InterruptRequests;
#else
using HostTerminalInput = platform::PosixTerminalInput;
using HostInterruptRequests = platform::PosixInterruptRequests;
#endif

// A pipe that holds the text, then ends. The scripts are short: they fit
// into the pipe at once.
inline void Fill(testkit::HostPipe& pipe, const std::string& text) {
    pipe.Put(text);
    pipe.CloseWriter();
}

// A console whose input is the text given (then its end), and whose output
// is kept for the test to read back.
class ConsoleKit {
  public:
    explicit ConsoleKit(const std::string& script, bool terminalOutput = false,
                        ConsoleTiming timing = {})
        : terminalIn((Fill(pipe_, script), pipe_.Reader())),
          terminalOut(terminalOutput),
          input(terminalIn, presses),
          output(terminalOut),
          op(input, output, true, timing) {}
    ConsoleKit(const ConsoleKit&) = delete;
    ConsoleKit& operator=(const ConsoleKit&) = delete;

    // Everything written so far.
    const std::string& Written() const { return terminalOut.Written(); }

  private:
    testkit::HostPipe pipe_;

  public:
    HostInterruptRequests presses;
    HostTerminalInput terminalIn;
    testkit::RecordingTerminalOutput terminalOut;
    ConsoleInput input;
    ConsoleOutput output;
    ConsoleOperator op;
};

}  // namespace brenx::console::testing
