#pragma once

#include <string>

namespace brenx::run {

class RunState;

// The restart point of the walks (the `startfile` setting): while the run
// waits for the start file, the files before it are passed over. Meeting it
// (letter case ignored) ends the wait, and the option echo no longer shows
// it. True when the file at `path` is passed over; the start file itself
// is not.
bool PassedOverBeforeStartFile(RunState& run, const std::string& path);

}  // namespace brenx::run
