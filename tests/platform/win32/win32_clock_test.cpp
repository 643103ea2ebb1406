// The Windows clock and random source.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/clock.h"
#include "platform/run_token.h"

namespace brenx::platform {
namespace {

TEST(Win32Clock, TicksMeasureASleepAndTheLocalTimeIsADate) {
    for (int round = 0; round < 5; ++round) {
        const std::uint32_t before = TickCount();
        SleepMilliseconds(40);
        const std::uint32_t elapsed = TickCount() - before;
        EXPECT_GE(elapsed, 40u);
        EXPECT_LT(elapsed, 5000u);
    }
    LoadLocalTimeZone();
    const support::LocalTime now = LocalNow();
    EXPECT_GE(now.year, 2024);
    EXPECT_TRUE(now.month >= 1 && now.month <= 12);
    EXPECT_TRUE(now.day >= 1 && now.day <= 31);
    EXPECT_TRUE(now.hour >= 0 && now.hour <= 23 && now.second <= 59);
}

TEST(Win32Clock, RunTokensAreSixteenHexDigitsThatDoNotRepeat) {
    std::set<std::string> tokens;
    for (int i = 0; i < 100; ++i) {
        const std::string token = NewRunToken();
        ASSERT_EQ(token.size(), 16u);
        EXPECT_EQ(token.find_first_not_of("0123456789abcdef"), std::string::npos) << token;
        tokens.insert(token);
    }
    EXPECT_EQ(tokens.size(), 100u);
}

}  // namespace
}  // namespace brenx::platform
