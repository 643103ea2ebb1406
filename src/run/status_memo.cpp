#include "run/status_memo.h"

#include "support/safe_format.h"

namespace brenx::run {

void StatusMemo::SetLines(std::initializer_list<std::string> lines) {
    text_.clear();
    for (const std::string& line : lines) {
        if (&line != lines.begin()) text_ += support::kLineBreak;
        text_ += line;
    }
}

}  // namespace brenx::run
