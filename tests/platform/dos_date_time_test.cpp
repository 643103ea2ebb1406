#include "platform/dos_date_time.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "testkit/host_environment.h"

namespace brenx::platform {
namespace {

// Runs the test body in a fixed time zone with summer time, and puts the
// process's zone back afterwards.
class InZone : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* old = std::getenv("TZ");
        hadZone_ = old != nullptr;
        if (hadZone_) oldZone_ = old;
        testkit::SetVariable("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
        testkit::ReadTimeZone();
    }
    void TearDown() override {
        if (hadZone_) {
            testkit::SetVariable("TZ", oldZone_);
        } else {
            testkit::ClearVariable("TZ");
        }
        testkit::ReadTimeZone();
    }

  private:
    bool hadZone_ = false;
    std::string oldZone_;
};

TEST(DosDateTime, PackingAndValidation) {
    const DosDateTime value = PackDosDateTime({2026, 12, 6, 18, 6, 33});
    EXPECT_EQ(static_cast<std::uint32_t>(value),
              (46u << 9 | 12u << 5 | 6u) << 16 | (18u << 11 | 6u << 5 | 16u));
    DosDateFields fields;
    ASSERT_TRUE(UnpackDosDateTime(value, fields));
    EXPECT_EQ(fields.year, 2026);
    EXPECT_EQ(fields.second, 32);  // odd seconds go down to the even one

    EXPECT_FALSE(UnpackDosDateTime(kNoDosDateTime, fields));
    EXPECT_FALSE(UnpackDosDateTime(PackDosDateTime({2023, 2, 29, 0, 0, 0}), fields));
    EXPECT_TRUE(UnpackDosDateTime(PackDosDateTime({2024, 2, 29, 0, 0, 0}), fields));
    EXPECT_FALSE(UnpackDosDateTime(PackDosDateTime({2024, 1, 1, 24, 0, 0}), fields));

    // Out of range years are held at the ends of the range.
    EXPECT_EQ(PackDosDateTime({1970, 5, 5, 5, 5, 5}), PackDosDateTime({1980, 1, 1, 0, 0, 0}));
    EXPECT_EQ(PackDosDateTime({2200, 1, 1, 0, 0, 0}), PackDosDateTime({2107, 12, 31, 23, 59, 58}));
}

TEST(DosDateTime, SignedComparisonFollowsTime) {
    const DosDateTime earlier = PackDosDateTime({2030, 6, 1, 12, 0, 0});
    const DosDateTime later = PackDosDateTime({2030, 6, 1, 12, 0, 2});
    const DosDateTime nextYear = PackDosDateTime({2031, 1, 1, 0, 0, 0});
    EXPECT_LT(earlier, later);
    EXPECT_LT(later, nextYear);
    // Years from 2044 on set the top bit; they still compare in order among themselves.
    EXPECT_LT(PackDosDateTime({2050, 1, 1, 0, 0, 0}), PackDosDateTime({2050, 1, 1, 0, 0, 2}));
}

// 2026-07-01 12:00:01 UTC.
constexpr std::int64_t kSummer = 1782907201;

TEST_F(InZone, SummerTimeFollowsTheZone) {
#ifdef _WIN32
    GTEST_SKIP() << "the Windows C library takes the dates of summer time from the system's "
                    "zone, not from TZ";
#endif
    // 14:00:01 summer time.
    DosDateFields fields;
    ASSERT_TRUE(UnpackDosDateTime(DosDateTimeFromUnix(kSummer), fields));
    EXPECT_EQ(fields.hour, 14);
    EXPECT_EQ(fields.second, 0);
}

TEST_F(InZone, LocalTimeRoundTrip) {
    for (const DosDateTime value :
         {PackDosDateTime({2026, 7, 1, 14, 0, 0}), PackDosDateTime({2026, 1, 15, 3, 4, 58}),
          PackDosDateTime({1980, 1, 1, 0, 0, 0}), PackDosDateTime({2099, 12, 31, 23, 59, 58})}) {
        std::int64_t seconds = 0;
        ASSERT_TRUE(UnixFromDosDateTime(value, seconds));
        EXPECT_EQ(DosDateTimeFromUnix(seconds), value);
    }
    std::int64_t seconds = 0;
    EXPECT_FALSE(UnixFromDosDateTime(kNoDosDateTime, seconds));
    // Two host times in the same two-second step pack alike.
    EXPECT_EQ(DosDateTimeFromUnix(kSummer - 1), DosDateTimeFromUnix(kSummer));
}

}  // namespace
}  // namespace brenx::platform
