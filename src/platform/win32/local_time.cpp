#include "platform/local_time.h"

#include <ctime>

namespace brenx::platform {

// The C library's 64-bit conversions: they follow TZ when it is set, the
// system's zone otherwise.
bool LocalFieldsOfUnix(std::int64_t unixSeconds, DosDateFields& fields) {
    const __time64_t t = unixSeconds;
    std::tm local{};
    if (_localtime64_s(&local, &t) != 0) return false;
    fields = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
              local.tm_hour,        local.tm_min,     local.tm_sec};
    return true;
}

bool UnixOfLocalFields(const DosDateFields& fields, std::int64_t& unixSeconds) {
    std::tm local{};
    local.tm_year = fields.year - 1900;
    local.tm_mon = fields.month - 1;
    local.tm_mday = fields.day;
    local.tm_hour = fields.hour;
    local.tm_min = fields.minute;
    local.tm_sec = fields.second;
    local.tm_isdst = -1;
    const __time64_t t = _mktime64(&local);
    if (t == -1) return false;
    unixSeconds = t;
    return true;
}

}  // namespace brenx::platform
