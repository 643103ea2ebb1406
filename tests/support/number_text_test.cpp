#include "support/number_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace brenx::support {
namespace {

TEST(GroupedNumber, GroupsOfThreeFromTheRight) {
    EXPECT_EQ(GroupedNumber(0), "0");
    EXPECT_EQ(GroupedNumber(100), "100");
    EXPECT_EQ(GroupedNumber(999), "999");
    EXPECT_EQ(GroupedNumber(1000), "1,000");
    EXPECT_EQ(GroupedNumber(1000000), "1,000,000");
    EXPECT_EQ(GroupedNumber(10000000), "10,000,000");
    EXPECT_EQ(GroupedNumber(std::numeric_limits<std::int64_t>::max()), "9,223,372,036,854,775,807");
}

TEST(GroupedNumber, AppendedNumbersKeepWhatWasThere) {
    std::string text = "#";
    AppendGroupedNumber(text, 1234567);
    EXPECT_EQ(text, "#1,234,567");
    AppendGroupedNumber(text, -5);
    EXPECT_EQ(text, "#1,234,567-5");
    std::string hex = "|";
    AppendHexNumber(hex, 0);
    AppendHexNumber(hex, 0xDEADBEEF);
    EXPECT_EQ(hex, "|0DEADBEEF");
    hex.clear();
    AppendHexNumber(hex, ~std::uint64_t{0});
    EXPECT_EQ(hex, "FFFFFFFFFFFFFFFF");
}

TEST(GroupedNumber, Negatives) {
    EXPECT_EQ(GroupedNumber(-1), "-1");
    EXPECT_EQ(GroupedNumber(-999), "-999");
    EXPECT_EQ(GroupedNumber(-1000), "-1,000");
    EXPECT_EQ(GroupedNumber(-123456), "-123,456");
    EXPECT_EQ(GroupedNumber(std::numeric_limits<std::int64_t>::min()),
              "-9,223,372,036,854,775,808");
}

TEST(ParseHex, ReadsDigitsUpToTheFirstOther) {
    EXPECT_EQ(ParseHex("1f|"), 31u);
    EXPECT_EQ(ParseHex(""), 0u);
    EXPECT_EQ(ParseHex("|1f"), 0u);
    EXPECT_EQ(ParseHex("ABCDEF12 trailing"), 0xABCDEF12u);
    EXPECT_EQ(ParseHex("abcdef12"), 0xABCDEF12u);
    EXPECT_EQ(ParseHex("0"), 0u);
    EXPECT_EQ(ParseHex("G1"), 0u);
    // Beyond eight digits only the low 32 bits remain.
    EXPECT_EQ(ParseHex("123456789"), 0x23456789u);
    EXPECT_EQ(ParseHex("FFFFFFFFFFFF"), 0xFFFFFFFFu);
}

TEST(ParseDecimal, SpacesMinusAndEnd) {
    EXPECT_EQ(ParseDecimal(" 12 34"), 1234);
    EXPECT_EQ(ParseDecimal("-5x9"), -5);
    EXPECT_EQ(ParseDecimal("12-"), -12);
    EXPECT_EQ(ParseDecimal(""), 0);
    EXPECT_EQ(ParseDecimal("x12"), 0);
    EXPECT_EQ(ParseDecimal("+5"), 0);
    EXPECT_EQ(ParseDecimal("42\r\n7"), 42);
}

TEST(ParseDecimal, SaturatesOutsideTheRange) {
    EXPECT_EQ(ParseDecimal("2147483647"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(ParseDecimal("-2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(ParseDecimal("2147483648"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(ParseDecimal("-2147483649"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(ParseDecimal("99999999999999999999999999"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(ParseDecimal("-99999999999999999999999999"),
              std::numeric_limits<std::int32_t>::min());
}

}  // namespace
}  // namespace brenx::support
