#include "console/console_output.h"

#include "support/utf8.h"

namespace brenx::console {
namespace {

constexpr std::string_view kClearLine = "\r\x1b[K";

}  // namespace

std::string TerminalSafe(std::string_view text) {
    std::string safe;
    safe.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') continue;
            safe += '\n';
        } else if (c == '\n' || c == '\t' || (c >= 32 && c != 127)) {
            safe += static_cast<char>(c);
        } else {
            safe += '?';
        }
    }
    return safe;
}

void ConsoleOutput::Write(std::string_view bytes) {
    // Nowhere to show it (a closed or full output): the run goes on.
    out_.Write(bytes);
}

void ConsoleOutput::ClearProgress() {
    if (!progressShown_) return;
    Write(kClearLine);
    progressShown_ = false;
}

int ConsoleOutput::Columns() const {
    const int columns = out_.Columns();
    return columns > 0 ? columns : 80;
}

void ConsoleOutput::Text(std::string_view text) {
    ClearProgress();
    Write(TerminalSafe(text));
}

void ConsoleOutput::Progress(std::string_view line) {
    std::string safe = TerminalSafe(line);
    for (char& c : safe) {
        if (c == '\n' || c == '\t') c = ' ';
    }
    if (!terminal_) {
        Write(safe + "\n");
        return;
    }
    // One column short of the width, so the cursor never wraps to a new line.
    const std::size_t columns = static_cast<std::size_t>(Columns() - 1);
    if (support::Utf8Length(safe) > columns) safe = support::Utf8Prefix(safe, columns);
    Write(std::string(kClearLine) + safe);
    progressShown_ = true;
}

void ConsoleOutput::KeepProgress() {
    if (!progressShown_) return;
    Write("\n");
    progressShown_ = false;
}

void ConsoleOutput::Bell() {
    // A bell in a file or a pipe calls nobody back.
    if (!terminal_) return;
    Write("\a");
}

}  // namespace brenx::console
