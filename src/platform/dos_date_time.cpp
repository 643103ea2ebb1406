#include "platform/dos_date_time.h"

#include <algorithm>

#include "platform/local_time.h"

namespace brenx::platform {

namespace {

constexpr int kFirstYear = 1980;
constexpr int kLastYear = 2107;

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace

DosDateTime PackDosDateTime(const DosDateFields& fields) {
    DosDateFields f = fields;
    if (f.year < kFirstYear) f = DosDateFields{};
    if (f.year > kLastYear) f = DosDateFields{kLastYear, 12, 31, 23, 59, 58};
    f.second = std::min(f.second, 58);  // a leap second
    const std::uint32_t date = static_cast<std::uint32_t>(f.year - kFirstYear) << 9 |
                               static_cast<std::uint32_t>(f.month) << 5 |
                               static_cast<std::uint32_t>(f.day);
    const std::uint32_t time = static_cast<std::uint32_t>(f.hour) << 11 |
                               static_cast<std::uint32_t>(f.minute) << 5 |
                               static_cast<std::uint32_t>(f.second / 2);
    return static_cast<DosDateTime>(date << 16 | time);
}

bool UnpackDosDateTime(DosDateTime value, DosDateFields& fields) {
    const auto packed = static_cast<std::uint32_t>(value);
    const std::uint32_t date = packed >> 16;
    const std::uint32_t time = packed & 0xFFFF;
    DosDateFields f;
    f.year = kFirstYear + static_cast<int>(date >> 9);
    f.month = static_cast<int>(date >> 5 & 0x0F);
    f.day = static_cast<int>(date & 0x1F);
    f.hour = static_cast<int>(time >> 11);
    f.minute = static_cast<int>(time >> 5 & 0x3F);
    f.second = static_cast<int>(time & 0x1F) * 2;
    if (f.month < 1 || f.month > 12 || f.day < 1 || f.day > DaysInMonth(f.year, f.month) ||
        f.hour > 23 || f.minute > 59 || f.second > 58) {
        return false;
    }
    fields = f;
    return true;
}

DosDateTime DosDateTimeFromUnix(std::int64_t unixSeconds) {
    DosDateFields local;
    if (!LocalFieldsOfUnix(unixSeconds, local)) {
        return PackDosDateTime(unixSeconds < 0 ? DosDateFields{} : DosDateFields{kLastYear + 1});
    }
    return PackDosDateTime(local);
}

bool UnixFromDosDateTime(DosDateTime value, std::int64_t& unixSeconds) {
    DosDateFields fields;
    return UnpackDosDateTime(value, fields) && UnixOfLocalFields(fields, unixSeconds);
}

}  // namespace brenx::platform
