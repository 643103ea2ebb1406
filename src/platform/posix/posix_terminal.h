#pragma once

#include "platform/terminal.h"

namespace brenx::platform {

// A descriptor as the terminal's input; the caller keeps it open.
class PosixTerminalInput : public TerminalInput {
  public:
    explicit PosixTerminalInput(int fd);

    bool Open() const override { return fd_ >= 0; }
    bool IsTerminal() const override { return terminal_; }
    Waited Wait(InterruptRequests& interrupts, bool watchInput, int timeoutMs) override;
    std::ptrdiff_t Read(char* buffer, std::size_t size) override;

  private:
    int fd_;
    bool terminal_;
};

// A descriptor as the terminal's output; `terminal` says whether to treat
// it as one (a progress line rewritten in place).
class PosixTerminalOutput : public TerminalOutput {
  public:
    PosixTerminalOutput(int fd, bool terminal) : fd_(fd), terminal_(terminal) {}

    bool IsTerminal() const override { return terminal_; }
    void Write(std::string_view bytes) override;
    int Columns() const override;

  private:
    int fd_;
    bool terminal_;
};

}  // namespace brenx::platform
