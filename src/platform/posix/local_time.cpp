#include "platform/local_time.h"

#include <ctime>

namespace brenx::platform {

bool LocalFieldsOfUnix(std::int64_t unixSeconds, DosDateFields& fields) {
    const auto t = static_cast<std::time_t>(unixSeconds);
    std::tm local{};
    if (localtime_r(&t, &local) == nullptr) return false;
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
    const std::time_t t = std::mktime(&local);
    // -1 is also a valid time (one second before 1970 UTC); it lies before
    // every packed date in every zone, so here it is always a failure.
    if (t == static_cast<std::time_t>(-1)) return false;
    unixSeconds = static_cast<std::int64_t>(t);
    return true;
}

}  // namespace brenx::platform
