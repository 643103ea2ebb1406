#include "support/safe_format.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <type_traits>

namespace brenx::support {
namespace {

using ::testing::HasSubstr;

// A flag or an address must never be printable by accident.
static_assert(!std::is_convertible_v<bool, FormatArg>);
static_assert(!std::is_convertible_v<int*, FormatArg>);
static_assert(!std::is_convertible_v<const void*, FormatArg>);
static_assert(std::is_convertible_v<char*, FormatArg>);
static_assert(std::is_convertible_v<std::size_t, FormatArg>);

const std::string kReportHead = "Format() error in program!\r\nError:\r\n";

// The formatter's own message out of an error report, after checking that the
// report has its three-part layout and quotes the format as given.
std::string ErrorMessageOf(const std::string& result, const std::string& format) {
    const std::string tail = "\r\nFormat:\r\n" + format;
    EXPECT_EQ(result.rfind(kReportHead, 0), 0u) << result;
    EXPECT_TRUE(result.size() >= kReportHead.size() + tail.size() &&
                result.compare(result.size() - tail.size(), tail.size(), tail) == 0)
        << result;
    if (result.size() < kReportHead.size() + tail.size()) return {};
    return result.substr(kReportHead.size(), result.size() - kReportHead.size() - tail.size());
}

TEST(SafeFormat, CrcLogLine) {
    const std::string path = "e:\\data\\a.txt";
    EXPECT_EQ(SafeFormat("|%s|%x", {path, 0xABCDu}), "|e:\\data\\a.txt|ABCD");
    EXPECT_EQ(SafeFormat("|%s|%x", {path, 0u}), "|e:\\data\\a.txt|0");
    EXPECT_EQ(SafeFormat("|%s|%x", {path, std::uint32_t{0xFFFFFFFF}}), "|e:\\data\\a.txt|FFFFFFFF");
}

TEST(SafeFormat, TextArguments) {
    const std::string owned = "owned";
    const std::string_view view = "view";
    const char* missing = nullptr;
    EXPECT_EQ(SafeFormat("[%s][%s][%s][%s]", {owned, view, "literal", missing}),
              "[owned][view][literal][]");
    // A "%" inside an argument is never interpreted.
    EXPECT_EQ(SafeFormat("%s", {"100%d %s"}), "100%d %s");
    EXPECT_EQ(SafeFormat("no directives"), "no directives");
    EXPECT_EQ(SafeFormat(""), "");
}

TEST(SafeFormat, Decimal) {
    EXPECT_EQ(SafeFormat("%d|%d|%d", {0, -5, 42u}), "0|-5|42");
    EXPECT_EQ(SafeFormat("%d", {std::numeric_limits<std::int32_t>::min()}), "-2147483648");
    EXPECT_EQ(SafeFormat("%d", {std::numeric_limits<std::uint32_t>::max()}), "4294967295");
    EXPECT_EQ(SafeFormat("%d", {std::numeric_limits<std::int64_t>::min()}), "-9223372036854775808");
    EXPECT_EQ(SafeFormat("%d", {std::numeric_limits<std::int64_t>::max()}), "9223372036854775807");
    EXPECT_EQ(SafeFormat("%d", {std::numeric_limits<std::uint64_t>::max()}),
              "18446744073709551615");
    EXPECT_EQ(SafeFormat("%d bytes", {std::size_t{65024}}), "65024 bytes");
}

TEST(SafeFormat, HexIsUpperCaseWithoutLeadingZeros) {
    EXPECT_EQ(SafeFormat("%x", {255}), "FF");
    EXPECT_EQ(SafeFormat("%x", {0x0000ABCD}), "ABCD");
    EXPECT_EQ(SafeFormat("%x", {std::int64_t{0x123456789A}}), "123456789A");
    // A negative value prints its two's complement in its own width.
    EXPECT_EQ(SafeFormat("%x", {-1}), "FFFFFFFF");
    EXPECT_EQ(SafeFormat("%x", {std::numeric_limits<std::int32_t>::min()}), "80000000");
    EXPECT_EQ(SafeFormat("%x", {std::int64_t{-1}}), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(SafeFormat("%x", {std::numeric_limits<std::uint64_t>::max()}), "FFFFFFFFFFFFFFFF");
}

TEST(SafeFormat, FixedTwoDecimals) {
    EXPECT_EQ(SafeFormat("%.02f", {1234.5678}), "1234.57");
    EXPECT_EQ(SafeFormat("%.02f", {0.0}), "0.00");
    EXPECT_EQ(SafeFormat("%.02f MB/s", {-2.5}), "-2.50 MB/s");
    EXPECT_EQ(SafeFormat("%.02f", {1e20}), "100000000000000000000.00");
    EXPECT_EQ(SafeFormat("%.02f", {1.5f}), "1.50");
    // The largest double still fits.
    EXPECT_EQ(SafeFormat("%.02f", {std::numeric_limits<double>::max()}).size(), 309u + 3u);
}

TEST(SafeFormat, PercentAndExtraArguments) {
    EXPECT_EQ(SafeFormat("100%%"), "100%");
    EXPECT_EQ(SafeFormat("%%%s%%", {"x"}), "%x%");
    EXPECT_EQ(SafeFormat("%s", {"used", "ignored", 7}), "used");
    EXPECT_EQ(SafeFormat("%s=%d, %s=%x, %.02f", {"a", 1, "b", 16, 0.5}), "a=1, b=10, 0.50");
}

TEST(SafeFormat, UnknownOrMalformedDirectivesAreReported) {
    EXPECT_THAT(ErrorMessageOf(SafeFormat("%q", {1}), "%q"), HasSubstr("unknown directive \"%q\""));
    EXPECT_THAT(ErrorMessageOf(SafeFormat("n=%5d", {5}), "n=%5d"),
                HasSubstr("unknown directive \"%5d\" at position 3"));
    EXPECT_THAT(ErrorMessageOf(SafeFormat("%.2f", {1.0}), "%.2f"),
                HasSubstr("unknown directive \"%.2f\""));
    EXPECT_THAT(ErrorMessageOf(SafeFormat("50% off"), "50% off"),
                HasSubstr("unknown directive \"% o\""));
    EXPECT_THAT(ErrorMessageOf(SafeFormat("abc%"), "abc%"),
                HasSubstr("lone \"%\" at position 4 ends the format"));
    EXPECT_THAT(ErrorMessageOf(SafeFormat("%\xC3\xA9"), "%\xC3\xA9"),
                HasSubstr("unknown directive \"%\xC3\xA9\""));
    EXPECT_THAT(ErrorMessageOf(SafeFormat("abc%.0", {1.0}), "abc%.0"),
                HasSubstr("incomplete directive \"%.0\""));
}

TEST(SafeFormat, WrongArgumentKindsAreReported) {
    // The whole result is the three-line report; nothing formatted before the
    // fault leaks into it.
    const std::string report = SafeFormat("%d", {"text"});
    EXPECT_EQ(report, kReportHead + ErrorMessageOf(report, "%d") + "\r\nFormat:\r\n%d");
    EXPECT_THAT(ErrorMessageOf(report, "%d"),
                HasSubstr("\"%d\" at position 1 needs an integer but argument 1 is text"));
    EXPECT_THAT(ErrorMessageOf(SafeFormat("%d", {1.5}), "%d"),
                HasSubstr("argument 1 is a floating value"));
    EXPECT_THAT(ErrorMessageOf(SafeFormat("ok %x", {"abc"}), "ok %x"),
                HasSubstr("\"%x\" at position 4 needs an integer"));
    EXPECT_THAT(ErrorMessageOf(SafeFormat("%s|%s", {"a", 7}), "%s|%s"),
                HasSubstr("\"%s\" at position 4 needs text but argument 2 is an integer"));
    EXPECT_THAT(ErrorMessageOf(SafeFormat("%.02f", {3}), "%.02f"),
                HasSubstr("needs a floating value but argument 1 is an integer"));
}

TEST(SafeFormat, TooFewArgumentsAreReported) {
    EXPECT_THAT(ErrorMessageOf(SafeFormat("%s"), "%s"),
                HasSubstr("needs argument 1 but only 0 given"));
    EXPECT_THAT(ErrorMessageOf(SafeFormat("|%s|%x", {"path"}), "|%s|%x"),
                HasSubstr("\"%x\" at position 5 needs argument 2 but only 1 given"));
}

}  // namespace
}  // namespace brenx::support
