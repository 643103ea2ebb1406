#pragma once

#include <cstdint>

namespace brenx::run {

class RunState;

// Files up to this size pass without a progress text.
inline constexpr std::int64_t kFileProgressThreshold = 1000000;

// Whether the progress of the file at hand is to be drawn now: the file has
// passed the threshold and the front end's turn for it has come.
bool FileProgressDue(RunState& run);

// Shows "read/size" of the file at hand in the free-space place.
void ShowFileProgress(RunState& run);

}  // namespace brenx::run
