// brenxc: Brenx on a terminal. The same command line as the desktop program;
// questions and messages on standard error, answers from standard input, the
// run's exit code as the process's.

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "app/program.h"
#include "console/console_board.h"
#include "console/console_input.h"
#include "console/console_operator.h"
#include "console/console_output.h"
#include "platform/interrupt_requests.h"
#include "platform/program_arguments.h"
#include "platform/terminal.h"

int main(int argc, char** argv) {
    using namespace brenx::console;
    brenx::platform::PrepareConsoleProcess();
    const std::vector<std::string> arguments = brenx::platform::ProgramArguments(argc, argv);
    const std::unique_ptr<brenx::platform::TerminalInput> terminalIn =
        brenx::platform::MakeStandardInput();
    const std::unique_ptr<brenx::platform::TerminalOutput> terminalOut =
        brenx::platform::MakeStandardError();
    const bool terminalOutput = terminalOut->IsTerminal();

    const std::unique_ptr<brenx::platform::InterruptRequests> presses =
        brenx::platform::MakeInterruptRequests();
    presses->Install();
    ConsoleInput input(*terminalIn, *presses);
    ConsoleOutput output(*terminalOut);
    ConsoleOperator op(input, output, !terminalIn->IsTerminal());
    ConsoleBoard board(
        output, terminalOutput ? std::chrono::milliseconds(200) : std::chrono::milliseconds(5000));
    const int exitCode = brenx::app::RunProgram(arguments, op, board);
    board.Flush();
    output.KeepProgress();
    return exitCode;
}
