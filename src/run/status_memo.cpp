#include "run/status_memo.h"

#include <utility>

#include "support/safe_format.h"

namespace brenx::run {

void StatusMemo::SetLines(std::initializer_list<std::string_view> lines) {
    next_.clear();
    bool first = true;
    for (const std::string_view line : lines) {
        if (!first) next_ += support::kLineBreak;
        first = false;
        next_.append(line);
    }
    std::swap(text_, next_);
}

void StatusMemo::SetLinePieces(
    std::initializer_list<std::initializer_list<std::string_view>> lines) {
    next_.clear();
    bool first = true;
    for (const std::initializer_list<std::string_view> pieces : lines) {
        if (!first) next_ += support::kLineBreak;
        first = false;
        for (const std::string_view piece : pieces)
            next_.append(piece);
    }
    std::swap(text_, next_);
}

std::string_view StatusMemo::Line(std::size_t index) const {
    const std::string_view text = text_;
    const std::string_view lineBreak = support::kLineBreak;
    std::size_t start = 0;
    for (std::size_t i = 0; i < index; ++i) {
        const std::size_t end = text.find(lineBreak, start);
        if (end == std::string_view::npos) return {};
        start = end + lineBreak.size();
    }
    return text.substr(start, text.find(lineBreak, start) - start);
}

}  // namespace brenx::run
