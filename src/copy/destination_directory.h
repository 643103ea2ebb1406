#pragma once

#include <cstdint>
#include <string>

#include "platform/host_error.h"

namespace brenx::run {
class RunState;
}

namespace brenx::copy {

// The result when the destination directory is not there and the operator
// gave up making it.
inline constexpr std::int32_t kDirectoryGivenUp = 4;

// 0 when the directory is there; kDirectoryGivenUp with the host's reason
// for the last attempt to make it.
struct DirectoryOutcome {
    std::int32_t code = 0;
    platform::HostError error = platform::HostError::None;
};

// Makes sure the destination directory is there before the next copy, when
// it is due to be looked at (destinationDirPending: a new directory, new
// media, a retry). Makes every missing directory along the path; each
// failure asks for new media ("Couldn't create new directory %s (try new
// media maybe?)" and the host's reason, after a flush of what was written).
// With FixDotCrash the directories are made with dot-crash names and
// `destination` is rewritten so; the rest of the directory's files use the
// rewritten path. Either way the directory is no longer due.
DirectoryOutcome EnsureDestinationDirectory(run::RunState& run, std::string& destination);

}  // namespace brenx::copy
