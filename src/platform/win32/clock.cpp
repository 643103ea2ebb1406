#include "platform/clock.h"

#include <windows.h>

#include <ctime>

namespace brenx::platform {

// The performance counter rather than GetTickCount, which moves in steps of
// the timer's period (15.6 ms by default): a 40 ms wait could read as 31.
// Neither moves when the time of day is set.
std::uint32_t TickCount() {
    static const std::uint64_t frequency = [] {
        LARGE_INTEGER perSecond{};
        QueryPerformanceFrequency(&perSecond);
        return static_cast<std::uint64_t>(perSecond.QuadPart);
    }();
    if (frequency == 0) return static_cast<std::uint32_t>(GetTickCount());
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    const auto count = static_cast<std::uint64_t>(counter.QuadPart);
    const std::uint64_t milliseconds =
        count / frequency * 1000u + count % frequency * 1000u / frequency;
    return static_cast<std::uint32_t>(milliseconds);
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
