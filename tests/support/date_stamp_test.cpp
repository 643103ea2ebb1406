#include "support/date_stamp.h"

#include <gtest/gtest.h>

#include <string>

namespace brenx::support {
namespace {

const LocalTime kStart{2026, 12, 6, 18, 6, 42, 500};

TEST(StartStamp, TwoDigitFields) {
    EXPECT_EQ(FormatStartStamp(kStart), "2612061806");
    EXPECT_EQ(FormatStartStamp({2000, 1, 2, 0, 9, 0, 0}), "0001020009");
    EXPECT_EQ(FormatStartStamp({2099, 10, 31, 23, 59, 59, 999}), "9910312359");
}

TEST(ExpandDateStamp, FirstPlusOnly) {
    const std::string stamp = FormatStartStamp(kStart);
    std::string text = "D:\\backup";
    ExpandDateStamp(text, stamp);
    EXPECT_EQ(text, "D:\\backup");

    text = "D:\\backup+";
    ExpandDateStamp(text, stamp);
    EXPECT_EQ(text, "D:\\backup2612061806");

    text = "df~_+.bnx+x+";
    ExpandDateStamp(text, stamp);
    EXPECT_EQ(text, "df~_2612061806.bnx+x+");
}

TEST(ExpandDateStamp, KeepsAtMost5000CharactersAfterThePlus) {
    std::string text = "a+" + std::string(6000, 'y');
    ExpandDateStamp(text, "S");
    EXPECT_EQ(text, "aS" + std::string(5000, 'y'));

    // The cut counts characters and never splits one.
    const std::string e = "\xC3\xA9";
    text = "+" + std::string(4999, 'y') + e + e;
    ExpandDateStamp(text, "S");
    EXPECT_EQ(text, "S" + std::string(4999, 'y') + e);
}

}  // namespace
}  // namespace brenx::support
