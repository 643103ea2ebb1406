#pragma once

#include <string>

#include "platform/interrupt_requests.h"
#include "platform/terminal.h"

namespace brenx::console {

// The operator's side of the terminal: lines from the input and Stop presses,
// waited for by the host, so that no wait ever spins a core. The input is read
// in whole lines and only when a question wants an answer: lines typed (or
// piped) ahead wait for the questions they answer.
class ConsoleInput {
  public:
    enum class Event { Line, End, Stop, Tick };

    ConsoleInput(platform::TerminalInput& input, platform::InterruptRequests& presses)
        : input_(input), presses_(presses) {}

    // Waits for the next line (without its line end), the end of the input, a
    // Stop press, or, when `tickMs` > 0, the passing of that time. A last line
    // without a line end still counts as a line.
    Event Next(std::string& line, int tickMs);

    // Sleeps the time, waking only for a Stop press; true when one ended it.
    bool Sleep(int milliseconds);

    // True once for each batch of Stop presses since the last call.
    bool TakeStop() { return presses_.Take() > 0; }

    bool Ended() const { return ended_ && buffer_.empty(); }

  private:
    bool TakeLine(std::string& line);
    void ReadSome();

    platform::TerminalInput& input_;
    platform::InterruptRequests& presses_;
    std::string buffer_;
    bool ended_ = false;
};

}  // namespace brenx::console
