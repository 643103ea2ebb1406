#pragma once

#include <string>
#include <string_view>

namespace brenx::run {

// A question or log entry about a failure, with its reason in parentheses on
// a second line ("...; try new media?" CR LF "(no space left on the
// medium)"); the text alone when there is no reason to give.
std::string WithReason(std::string text, std::string_view reason);

}  // namespace brenx::run
