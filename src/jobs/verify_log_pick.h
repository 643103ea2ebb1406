#pragma once

#include <string>
#include <vector>

namespace brenx::platform {
class FileSystem;
}

namespace brenx::run {
class RunState;
}

namespace brenx::jobs {

// Resolves a `verify` setting whose file name holds "*" or "?": the matching
// log files are listed and the operator picks one, which replaces the setting
// for this job. True at once for a plain name; false when the operator
// cancels.
bool PickVerifyLog(run::RunState& run);

// The plain files that the pattern names, as full paths under `directory`
// (which ends in a backslash), in the order the directory lists them.
std::vector<std::string> MatchingFiles(platform::FileSystem& fs, const std::string& pattern,
                                       const std::string& directory);

}  // namespace brenx::jobs
