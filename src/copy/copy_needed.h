#pragma once

#include <string>

#include "platform/dos_date_time.h"

namespace brenx::options {
struct JobSettings;
}
namespace brenx::run {
class RunState;
}

namespace brenx::copy {

// The date rules. With NewerOnly a copy is needed unless the destination
// exists and is not older than the source; with DifferentOnly unless it
// exists with the same date; otherwise always. Dates are the packed
// two-second local dates, compared as signed numbers. A source whose date
// cannot be read is copied (not passed over as "not newer"): the copy itself
// then shows whatever is wrong with it.
bool IsCopyNeeded(run::RunState& run, const std::string& source, const std::string& destination);

// The same rules over dates already known (kNoDosDateTime: none).
bool IsCopyNeededByDates(const options::JobSettings& settings, platform::DosDateTime source,
                         platform::DosDateTime destination);

}  // namespace brenx::copy
