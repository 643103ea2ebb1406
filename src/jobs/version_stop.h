#pragma once

#include <string>

namespace brenx::run {
class RunState;
}

namespace brenx::jobs {

// Ends a job that cannot start: shows the version prompt with the reason
// and takes its exit code (153) and failure reason for the run.
void StopWithVersionPrompt(run::RunState& run, const std::string& reason);

}  // namespace brenx::jobs
