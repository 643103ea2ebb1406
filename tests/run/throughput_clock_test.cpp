#include "run/throughput_clock.h"

#include <gtest/gtest.h>

#include <limits>

#include "run/keep_going.h"
#include "run/run_world.h"

namespace brenx::run {
namespace {

using testing::RunWorld;

TEST(ThroughputClock, ShowsMinutesAndBytesPerMinute) {
    std::string text;
    ASSERT_TRUE(ThroughputText(150, 3000000, text));
    EXPECT_EQ(text, "2 minutes; 1,200,000 bytes/minute");
    ASSERT_TRUE(ThroughputText(7, 6, text));
    EXPECT_EQ(text, "0 minutes; 0 bytes/minute");
    EXPECT_FALSE(ThroughputText(1, std::numeric_limits<std::int64_t>::max(), text));
}

TEST(ThroughputClock, TicksEveryTwoSecondsFromTheFirstGoAhead) {
    RunWorld world;
    RunState& state = world.run;
    state.counters.byteCount = 100000;
    RefreshThroughput(state);  // not started: nothing
    world.ticks.Advance(5000);
    KeepGoing(state);
    EXPECT_FALSE(world.board.WasSet(BoardText::Throughput));

    StartThroughputClock(state);
    world.ticks.Advance(1999);
    KeepGoing(state);
    EXPECT_FALSE(world.board.WasSet(BoardText::Throughput));
    world.ticks.Advance(1);
    state.counters.fileBytesRead = 20000;
    KeepGoing(state);
    EXPECT_EQ(world.board.Text(BoardText::Throughput), "0 minutes; 3,600,000 bytes/minute");

    // Starting again while it runs keeps the first start.
    StartThroughputClock(state);
    world.ticks.Advance(118000);
    KeepGoing(state);
    EXPECT_EQ(world.board.Text(BoardText::Throughput), "2 minutes; 60,000 bytes/minute");

    // A run of more than a day is timed in full.
    world.ticks.Advance(24u * 3600 * 1000);
    KeepGoing(state);
    EXPECT_EQ(world.board.Text(BoardText::Throughput), "1442 minutes; 60 bytes/minute");

    StopThroughputClock(state);
    world.ticks.Advance(60000);
    KeepGoing(state);
    EXPECT_EQ(world.board.History(BoardText::Throughput).size(), 3u);
}

TEST(ThroughputClock, AnOverflowBecomesAComplaint) {
    RunWorld world;
    world.run.counters.byteCount = std::numeric_limits<std::int64_t>::max();
    world.run.counters.fileBytesRead = 1;
    StartThroughputClock(world.run);
    world.ticks.Advance(4000);
    RefreshThroughput(world.run);
    EXPECT_EQ(world.board.Banner(), BannerLook::Complaint);
    EXPECT_EQ(world.board.Text(BoardText::Banner).rfind("timer complaint: ", 0), 0u);
    EXPECT_FALSE(world.board.WasSet(BoardText::Throughput));
}

}  // namespace
}  // namespace brenx::run
