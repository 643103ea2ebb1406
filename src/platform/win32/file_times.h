#pragma once

#include "platform/win32/windows_api.h"

#include <cstdint>

#include "platform/dos_date_time.h"

namespace brenx::platform {

// The packed local date of a host file time (odd seconds taken down).
DosDateTime DosDateTimeOfFileTime(const FILETIME& time);
// The host file time of a packed local date; false for an invalid date.
bool FileTimeOfDosDateTime(DosDateTime date, FILETIME& time);
// A host file time in nanoseconds since 1970.
std::int64_t UnixNanosecondsOf(const FILETIME& time);

}  // namespace brenx::platform
