#include "run/reason_line.h"

#include "support/safe_format.h"

namespace brenx::run {

std::string WithReason(std::string text, std::string_view reason) {
    if (reason.empty()) return text;
    text.append(support::kLineBreak).append("(").append(reason).append(")");
    return text;
}

}  // namespace brenx::run
