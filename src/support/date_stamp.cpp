#include "support/date_stamp.h"

#include <cstdio>
#include <utility>

#include "support/utf8.h"

namespace brenx::support {

namespace {

constexpr std::size_t kMaxTextAfterStamp = 5000;

void AppendTwoDigits(std::string& out, int value) {
    const int twoDigits = ((value % 100) + 100) % 100;
    out += static_cast<char>('0' + twoDigits / 10);
    out += static_cast<char>('0' + twoDigits % 10);
}

}  // namespace

std::string FormatStartStamp(const LocalTime& time) {
    std::string stamp;
    stamp.reserve(10);
    for (const int field : {time.year, time.month, time.day, time.hour, time.minute}) {
        AppendTwoDigits(stamp, field);
    }
    return stamp;
}

std::string FormatDateTime(const LocalTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", time.year, time.month,
                  time.day, time.hour, time.minute, time.second);
    return text;
}

void ExpandDateStamp(std::string& text, std::string_view startStamp) {
    const std::size_t plus = text.find('+');
    if (plus == std::string::npos) return;
    const std::string_view after = std::string_view(text).substr(plus + 1);
    const std::size_t keep = Utf8PrefixBytes(after, kMaxTextAfterStamp);
    std::string expanded;
    expanded.reserve(plus + startStamp.size() + keep);
    expanded.append(text, 0, plus);
    expanded.append(startStamp);
    expanded.append(after.substr(0, keep));
    text = std::move(expanded);
}

}  // namespace brenx::support
