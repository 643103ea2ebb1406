#include "console/console_input.h"

#include <chrono>

namespace brenx::console {
namespace {

using Clock = std::chrono::steady_clock;

// Milliseconds left until the deadline, for a wait: -1 without one.
int TimeLeft(bool timed, Clock::time_point deadline) {
    if (!timed) return -1;
    // Rounded up: a wait never ends before its time.
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

}  // namespace

bool ConsoleInput::TakeLine(std::string& line) {
    const std::size_t end = buffer_.find('\n');
    if (end == std::string::npos) {
        if (!ended_ || buffer_.empty()) return false;
        line = std::move(buffer_);
        buffer_.clear();
        return true;
    }
    line = buffer_.substr(0, end);
    buffer_.erase(0, end + 1);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

void ConsoleInput::ReadSome() {
    char bytes[4096];
    const std::ptrdiff_t count = input_.Read(bytes, sizeof bytes);
    if (count > 0) {
        buffer_.append(bytes, static_cast<std::size_t>(count));
    } else if (count == 0) {
        ended_ = true;
    }
}

ConsoleInput::Event ConsoleInput::Next(std::string& line, int tickMs) {
    using State = platform::TerminalInput::State;
    const bool timed = tickMs > 0;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(tickMs);
    for (;;) {
        if (TakeLine(line)) return Event::Line;
        if (!input_.Open()) ended_ = true;
        if (ended_) return Event::End;
        const platform::TerminalInput::Waited waited =
            input_.Wait(presses_, true, TimeLeft(timed, deadline));
        if (waited.failed) {
            ended_ = true;  // the input cannot be waited for: take it as ended
            continue;
        }
        // A press is taken as soon as it is seen, even one that came without a wake.
        if (presses_.Take() > 0) return Event::Stop;
        if (waited.input == State::Invalid) {
            ended_ = true;
        } else if (waited.input == State::Ready) {
            ReadSome();
        } else if (waited.timedOut) {
            return Event::Tick;
        }
    }
}

bool ConsoleInput::Sleep(int milliseconds) {
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        const int left = TimeLeft(true, deadline);
        if (left == 0) return presses_.Take() > 0;
        input_.Wait(presses_, false, left);
        if (presses_.Take() > 0) return true;
    }
}

}  // namespace brenx::console
