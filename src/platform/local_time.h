#pragma once

#include <cstdint>

#include "platform/dos_date_time.h"

// The host's conversions between its time (seconds since 1970, UTC) and the
// local calendar, which each back end makes with its own C library.
namespace brenx::platform {

// The local date and time of a host time, the second as it is (odd ones too);
// false when the host cannot convert it.
bool LocalFieldsOfUnix(std::int64_t unixSeconds, DosDateFields& fields);

// The host time of a local date and time; a local time that a clock change
// skips is taken as the time after it. False when the host cannot convert it.
bool UnixOfLocalFields(const DosDateFields& fields, std::int64_t& unixSeconds);

}  // namespace brenx::platform
