#pragma once

#include <string>

namespace brenx::run {
class RunState;
}

namespace brenx::copy {

// Shows the file at hand: its destination name in the file label, and the
// status lines "src: " + source and "dst: " + directory + newName above the
// progress line, which stays as it was.
void ShowFileAtHand(run::RunState& run, const std::string& source, const std::string& directory,
                    const std::string& newName);

// The progress line, the third status line: "#files — bytes (media note,
// skipped files and the date rule)", e.g. "#12 — 3,456 (0 NewerOnly skips)".
std::string CopyProgressLine(run::RunState& run);

// Rewrites the progress line under the src/dst lines.
void ShowCopyProgress(run::RunState& run);

}  // namespace brenx::copy
