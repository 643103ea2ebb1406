#pragma once

#include <cstdint>

// File dates in the packed two-second form of the FAT file system, in local
// time: the date in the high 16 bits ((year - 1980) << 9 | month << 5 | day),
// the time in the low 16 bits (hour << 11 | minute << 5 | second / 2).
// The engine compares two of them as signed integers, which orders them in time.
namespace brenx::platform {

using DosDateTime = std::int32_t;

// No date: the result of a query that failed. It is not a valid packed value.
inline constexpr DosDateTime kNoDosDateTime = -1;

struct DosDateFields {
    int year = 1980;  // 1980 to 2107
    int month = 1;    // 1 to 12
    int day = 1;      // 1 to the month's last day
    int hour = 0;
    int minute = 0;
    int second = 0;  // even, 0 to 58
};

// Packs the fields; an odd second is taken down to the even one below.
// Years outside 1980..2107 are held at the nearest end of the range.
DosDateTime PackDosDateTime(const DosDateFields& fields);

// Unpacks a value; false when it is not a valid date and time.
bool UnpackDosDateTime(DosDateTime value, DosDateFields& fields);

// The packed local date of a host time (seconds since 1970, UTC).
DosDateTime DosDateTimeFromUnix(std::int64_t unixSeconds);

// The host time of a packed local date; false when the value is not a valid
// date. A local time that a clock change skips is taken as the time after it.
bool UnixFromDosDateTime(DosDateTime value, std::int64_t& unixSeconds);

}  // namespace brenx::platform
