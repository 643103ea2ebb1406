#include "support/log_wrap.h"

#include "support/safe_format.h"
#include "support/utf8.h"

namespace brenx::support {

namespace {

constexpr std::size_t kLineWidth = 78;
constexpr std::size_t kMaxRest = 50000;

// The offset of the first space in text[from, end), or `end`.
std::size_t NextSpace(std::string_view text, std::size_t from, std::size_t end) {
    const std::size_t space = text.substr(0, end).find(' ', from);
    return space == std::string_view::npos ? end : space;
}

// Moves the column over a piece of text. A line break that the text holds
// already (a question of two lines) starts the count again.
void Advance(std::size_t& column, std::string_view piece) {
    const std::size_t lineFeed = piece.rfind('\n');
    if (lineFeed == std::string_view::npos) {
        column += Utf8Length(piece);
    } else {
        column = Utf8Length(piece.substr(lineFeed + 1));
    }
}

// The width a word takes on the current line: up to a line break it holds.
std::size_t WordWidth(std::string_view word) {
    return Utf8Length(word.substr(0, word.find_first_of("\r\n")));
}

// The offset of the space at which the line that starts at `start` breaks,
// or `end` when it runs to the end. Widths count characters; each space
// is looked at once per line, so a whole wrap is linear in the text.
std::size_t BreakingSpace(std::string_view text, std::size_t start, std::size_t end) {
    std::size_t column = 0;  // characters up to and including the current space
    std::size_t from = start;
    while (true) {
        const std::size_t space = NextSpace(text, from, end);
        if (space == end) return end;
        Advance(column, text.substr(from, space - from));
        column += 1;
        const std::size_t wordEnd = NextSpace(text, space + 1, end);
        const std::size_t word = WordWidth(text.substr(space + 1, wordEnd - space - 1));
        if (column + word > kLineWidth) return space;
        from = space + 1;
    }
}

}  // namespace

std::string WrapForLog(std::string_view text) {
    std::string result;
    result.reserve(text.size() + text.size() / 32 + 2);
    std::size_t start = 0;
    std::size_t end = text.size();
    bool broken = false;
    while (start < end) {
        const std::size_t space = BreakingSpace(text, start, end);
        result.append(text.substr(start, space - start));
        result += kLineBreak;
        if (space == end) break;
        start = space + 1;
        if (!broken) {
            // Only the first break can leave more than the kept maximum: every
            // later rest is a part of this one.
            end = start + Utf8PrefixBytes(text.substr(start), kMaxRest);
            broken = true;
        }
    }
    return result;
}

}  // namespace brenx::support
