#pragma once

#include <cstdint>

#include "platform/dos_date_time.h"

namespace brenx::copy {

// What the tree walk already knows of a file and of its destination, so that
// the copy need not ask the file system for it again.
struct FileFacts {
    std::int64_t sourceSize = -1;
    // The source's date as the walk listed it; none: read by name. The copy
    // is dated with it: a source changed while it was being copied then
    // leaves a copy older than itself, which the next run copies again.
    platform::DosDateTime sourceDate = platform::kNoDosDateTime;
    // The destination as its directory's listing shows it; unknown: ask.
    bool destinationKnown = false;
    platform::DosDateTime destinationDate = platform::kNoDosDateTime;  // none: not there
    std::int64_t destinationSize = -1;
    std::uint32_t destinationAttributes = 0;
};

}  // namespace brenx::copy
