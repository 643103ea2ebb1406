#pragma once

#include <initializer_list>
#include <string>

namespace brenx::run {

// The status lines of the main window. The engine keeps their text, because
// it reads it back (the CRC log copy writes its progress after it), and sends
// it whole to the board. The memo is rewritten, never appended to.
class StatusMemo {
  public:
    // Replaces the text; lines are separated by CR LF.
    void SetText(std::string text) { text_ = std::move(text); }
    // Replaces the text by these lines, separated by CR LF.
    void SetLines(std::initializer_list<std::string> lines);
    const std::string& Text() const { return text_; }

  private:
    std::string text_;
};

}  // namespace brenx::run
