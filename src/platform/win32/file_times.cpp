#include "platform/win32/file_times.h"

namespace brenx::platform {
namespace {

// 100-nanosecond steps from 1601-01-01 to 1970-01-01.
constexpr std::int64_t kStepsBefore1970 = 116444736000000000;
constexpr std::int64_t kStepsPerSecond = 10000000;

std::int64_t StepsOf(const FILETIME& time) {
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(time.dwHighDateTime) << 32 |
                                     time.dwLowDateTime);
}

// Seconds rounded towards the past, so that a time before 1970 with a
// fraction does not move up a second.
std::int64_t FloorDivide(std::int64_t value, std::int64_t divisor) {
    const std::int64_t quotient = value / divisor;
    return value % divisor < 0 ? quotient - 1 : quotient;
}

}  // namespace

DosDateTime DosDateTimeOfFileTime(const FILETIME& time) {
    return DosDateTimeFromUnix(FloorDivide(StepsOf(time) - kStepsBefore1970, kStepsPerSecond));
}

bool FileTimeOfDosDateTime(DosDateTime date, FILETIME& time) {
    std::int64_t seconds = 0;
    if (!UnixFromDosDateTime(date, seconds)) return false;
    const auto steps = static_cast<std::uint64_t>(seconds * kStepsPerSecond + kStepsBefore1970);
    time.dwLowDateTime = static_cast<DWORD>(steps & 0xFFFFFFFF);
    time.dwHighDateTime = static_cast<DWORD>(steps >> 32);
    return true;
}

std::int64_t UnixNanosecondsOf(const FILETIME& time) {
    return (StepsOf(time) - kStepsBefore1970) * 100;
}

}  // namespace brenx::platform
