#pragma once

#include <string>
#include <string_view>

#include "platform/terminal.h"

namespace brenx::testkit {

// A terminal output that keeps what is written, a terminal or not as the
// test says, so that what the console shows reads the same on every host.
class RecordingTerminalOutput : public platform::TerminalOutput {
  public:
    explicit RecordingTerminalOutput(bool terminal) : terminal_(terminal) {}

    bool IsTerminal() const override { return terminal_; }
    void Write(std::string_view bytes) override { written_.append(bytes); }
    int Columns() const override { return 0; }

    const std::string& Written() const { return written_; }

  private:
    bool terminal_;
    std::string written_;
};

}  // namespace brenx::testkit
