#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

#include "platform/interrupt_requests.h"

// The console program's terminal: its input and its output, as the host
// gives them.
namespace brenx::platform {

// The input the operator types (or pipes) in, read as it comes.
class TerminalInput {
  public:
    enum class State { Quiet, Ready, Invalid };
    struct Waited {
        bool failed = false;    // the input cannot be waited for
        bool timedOut = false;  // nothing came in the time
        State input = State::Quiet;
    };

    virtual ~TerminalInput() = default;

    // Whether there is an input at all.
    virtual bool Open() const = 0;
    virtual bool IsTerminal() const = 0;
    // Waits until the input can be read (with `watchInput`), an interrupt
    // wakes the wait (its wake is then cleared) or `timeoutMs` passes (-1:
    // no limit). A wait cut short by the host says nothing at all.
    virtual Waited Wait(InterruptRequests& interrupts, bool watchInput, int timeoutMs) = 0;
    // Reads what is there: the count, 0 at the end of the input (or when it
    // failed for good), below 0 when nothing was there after all.
    virtual std::ptrdiff_t Read(char* buffer, std::size_t size) = 0;
};

// The output for messages and the progress line.
class TerminalOutput {
  public:
    virtual ~TerminalOutput() = default;
    virtual bool IsTerminal() const = 0;
    // Writes the bytes; an output that takes no more (closed, full) is
    // passed over, as nobody is there to read it.
    virtual void Write(std::string_view bytes) = 0;
    // The terminal's width in columns; 0 when it does not tell.
    virtual int Columns() const = 0;
};

// Readies the process for a console program: standard streams the caller
// closed are opened on nothing, so that no file the run opens takes their
// place, and a reader of the output that goes away does not end the program.
void PrepareConsoleProcess();

// The standard input, and the standard error for output (so that standard
// output stays clean).
std::unique_ptr<TerminalInput> MakeStandardInput();
std::unique_ptr<TerminalOutput> MakeStandardError();

}  // namespace brenx::platform
