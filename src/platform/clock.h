#pragma once

#include <cstdint>

#include "support/date_stamp.h"

namespace brenx::platform {

// Milliseconds since an arbitrary start, from a clock that setting the time
// of day does not move. It wraps at 2^32: take differences modulo 2^32.
std::uint32_t TickCount();

// The local date and time now.
support::LocalTime LocalNow();

// Reads the local time zone once for the whole process. Without TZ set the C
// library looks at /etc/localtime again each time a date is converted, which
// costs a host call for every file a run dates.
void LoadLocalTimeZone();

// Sleeps for the time (0 returns at once). Short sleeps let a waiting loop
// keep the window answering without burning a core.
void SleepMilliseconds(std::uint32_t milliseconds);

}  // namespace brenx::platform
