#pragma once

#include <cstdint>
#include <string>

#include "platform/dos_date_time.h"

namespace brenx::options {
struct JobSettings;
}
namespace brenx::run {
class RunState;
}

namespace brenx::copy {

// A file's date and size as far as they are known (kNoDosDateTime, -1:
// not known, or not there).
struct FileLook {
    platform::DosDateTime date = platform::kNoDosDateTime;
    std::int64_t size = -1;
};

// The up-to-date rules. With NewerOnly a copy is needed unless the
// destination exists and is not older than the source; with DifferentOnly
// unless it exists with the same date; otherwise always. Dates are the
// packed two-second local dates, compared as signed numbers. Whatever the
// dates, a destination whose size is not the source's is no copy of it (a
// copy whose data a power cut lost, half a copy): it is copied again. With
// nodata an empty destination is what a copy would make, and passes. A
// source whose date or size cannot be read is copied (not passed over as
// "not newer"): the copy itself then shows whatever is wrong with it.
bool IsCopyNeeded(run::RunState& run, const std::string& source, const std::string& destination,
                  std::int64_t sourceSize);

// The same rules over what is already known.
bool IsCopyNeededByLooks(const options::JobSettings& settings, const FileLook& source,
                         const FileLook& destination);

}  // namespace brenx::copy
