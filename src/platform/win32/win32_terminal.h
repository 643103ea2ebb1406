#pragma once

#include <memory>

#include "platform/terminal.h"

namespace brenx::platform {

struct ConsoleReads;

// A handle as the terminal's input; the caller keeps it open. A console or a
// pipe cannot be waited for until a line or some bytes are there, so a
// thread of its own reads them, from the first wait that watches the input
// on; a file is read where it is, and is always ready.
class Win32TerminalInput : public TerminalInput {
  public:
    explicit Win32TerminalInput(void* handle);
    ~Win32TerminalInput() override;
    Win32TerminalInput(const Win32TerminalInput&) = delete;
    Win32TerminalInput& operator=(const Win32TerminalInput&) = delete;

    bool Open() const override { return open_; }
    bool IsTerminal() const override { return console_; }
    Waited Wait(InterruptRequests& interrupts, bool watchInput, int timeoutMs) override;
    std::ptrdiff_t Read(char* buffer, std::size_t size) override;

  private:
    void StartReading();

    void* handle_;
    bool open_;
    bool console_;
    bool reading_ = false;
    // Shared with the reading thread, which may outlive this object while
    // it waits for a line that never comes.
    std::shared_ptr<ConsoleReads> reads_;
};

// A handle as the terminal's output. A console gets the text as UTF-16, so
// that every character shows whatever its code page; anything else gets the
// bytes as they are.
class Win32TerminalOutput : public TerminalOutput {
  public:
    explicit Win32TerminalOutput(void* handle);

    bool IsTerminal() const override { return console_; }
    void Write(std::string_view bytes) override;
    int Columns() const override;

  private:
    void WriteConsoleText(std::string_view text);
    void WriteWide(std::string_view text);
    void ClearToLineEnd();

    void* handle_;
    bool console_;
    // Whether the console takes escape sequences itself; the one the
    // progress line uses (clear to the end of the line) is played otherwise.
    bool escapes_ = false;
};

}  // namespace brenx::platform
