#include "platform/clock.h"

#include <gtest/gtest.h>

#include "platform/environment.h"
#include "testkit/host_environment.h"

namespace brenx::platform {
namespace {

TEST(Clock, TicksSleepsAndLocalTime) {
    const std::uint32_t before = TickCount();
    SleepMilliseconds(40);
    const std::uint32_t elapsed = TickCount() - before;
    EXPECT_GE(elapsed, 40u);
    EXPECT_LT(elapsed, 5000u);
    const support::LocalTime now = LocalNow();
    EXPECT_GE(now.year, 2024);
    EXPECT_TRUE(now.month >= 1 && now.month <= 12);
    EXPECT_TRUE(now.day >= 1 && now.day <= 31);
    EXPECT_TRUE(now.millisecond >= 0 && now.millisecond <= 999);
}

TEST(Environment, LooksUpVariables) {
    testkit::SetVariable("BRENX_TEST_VARIABLE", "value");
    EXPECT_EQ(GetEnvironmentVariable("BRENX_TEST_VARIABLE"), "value");
    testkit::ClearVariable("BRENX_TEST_VARIABLE");
    EXPECT_EQ(GetEnvironmentVariable("BRENX_TEST_VARIABLE"), "");
    EXPECT_EQ(GetEnvironmentVariable(""), "");
    EXPECT_EQ(GetEnvironmentVariable("A=B"), "");
}

}  // namespace
}  // namespace brenx::platform
