#pragma once

#include <string>
#include <string_view>

namespace brenx::run {

class RunState;

// The bytes on the current media for a status line: empty until the first
// media change of the run, then the pattern ("%s; " or " (%s)") filled with
// the grouped count.
std::string MediaNote(const RunState& run, std::string_view pattern);

}  // namespace brenx::run
