#pragma once

#include <string>
#include <string_view>

#include "platform/terminal.h"

namespace brenx::console {

// The operator's side of the terminal for output: messages and questions as
// lines, and one progress line that a terminal rewrites in place. Everything
// goes to one output (standard error), so standard output stays clean.
class ConsoleOutput {
  public:
    // On a terminal the progress line is rewritten in place and cut to the
    // terminal's width.
    explicit ConsoleOutput(platform::TerminalOutput& out)
        : out_(out), terminal_(out.IsTerminal()) {}

    bool IsTerminal() const { return terminal_; }

    // Writes the text after ending the progress line. The engine's line
    // breaks become the terminal's; control characters that could move the
    // cursor or change the terminal (say, inside a file name) are shown as "?".
    void Text(std::string_view text);
    // Shows the progress line: rewritten in place on a terminal, a plain line
    // otherwise.
    void Progress(std::string_view line);
    // A progress line shown in place stays as the last line of the screen.
    void KeepProgress();
    // The terminal bell; nothing when the output is not a terminal.
    void Bell();

  private:
    void Write(std::string_view bytes);
    void ClearProgress();
    int Columns() const;

    platform::TerminalOutput& out_;
    bool terminal_;
    bool progressShown_ = false;
};

// The text as the terminal should get it: CR LF and lone CRs become LF, tabs
// stay, other control characters and DEL become "?".
std::string TerminalSafe(std::string_view text);

}  // namespace brenx::console
