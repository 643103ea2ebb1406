#pragma once

#include <string>

namespace brenx::run {
class RunState;
}

namespace brenx::jobs {

// Demands that the key file of a medium exists in its root before a job
// touches it: `which` is "destination" (the destination's root and `dstkey`)
// or "source" (only its first letter counts). True when no key is set or the
// key file is there; the satisfied key setting is then cleared, so later
// checks of the run pass at once. While it is missing the operator is asked
// for the right media, with the name on the clipboard; false, with exit code
// 7, when the operator gives up.
bool CheckKeyFile(run::RunState& run, const std::string& which);

}  // namespace brenx::jobs
