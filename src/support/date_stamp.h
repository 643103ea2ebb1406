#pragma once

#include <string>
#include <string_view>

namespace brenx::support {

// A local date and time as the host's clock gives it.
struct LocalTime {
    int year = 0;         // e.g. 2026
    int month = 0;        // 1-12
    int day = 0;          // 1-31
    int hour = 0;         // 0-23
    int minute = 0;       // 0-59
    int second = 0;       // 0-59
    int millisecond = 0;  // 0-999
};

// The start stamp "yymmddhhmm": two-digit year, month, day, hour (24-hour
// form) and minute. Each field is taken modulo 100, so the stamp is always
// ten digits.
std::string FormatStartStamp(const LocalTime& time);

// A date and time as "2026-12-08 04:41:53": the date, a blank and the time,
// one form on every host, so that logs written on different machines read
// alike.
std::string FormatDateTime(const LocalTime& time);

// Replaces the first "+" of the text by the stamp, keeping at most 5000
// characters after it (never cutting a character in two); other "+"
// characters stay. A text without "+" is left as it is.
void ExpandDateStamp(std::string& text, std::string_view startStamp);

}  // namespace brenx::support
