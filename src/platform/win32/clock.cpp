#include "platform/clock.h"

#include <windows.h>

#include <ctime>

namespace brenx::platform {

std::uint32_t TickCount() {
    // Milliseconds since the system started; setting the time of day leaves it.
    return static_cast<std::uint32_t>(GetTickCount());
}

support::LocalTime LocalNow() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    support::LocalTime time;
    time.year = now.wYear;
    time.month = now.wMonth;
    time.day = now.wDay;
    time.hour = now.wHour;
    time.minute = now.wMinute;
    time.second = now.wSecond > 59 ? 59 : now.wSecond;
    time.millisecond = now.wMilliseconds;
    return time;
}

void SleepMilliseconds(std::uint32_t milliseconds) {
    Sleep(milliseconds);
}

// Windows itself keeps the zone; the C runtime reads it (or TZ) once here
// for the conversions that go through it.
void LoadLocalTimeZone() {
    _tzset();
}

}  // namespace brenx::platform
