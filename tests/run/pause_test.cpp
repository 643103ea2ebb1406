#include "run/pause.h"

#include <gtest/gtest.h>

#include <vector>

#include "run/run_world.h"

namespace brenx::run {
namespace {

using testing::RunWorld;

TEST(Pause, WaitsTheClampedTimeThroughTheOperator) {
    RunWorld world;
    const auto start = world.ticks.Milliseconds();
    Pause(world.run, 5);
    Pause(world.run, 500);
    Pause(world.run, 60000);
    Pause(world.run, -3);
    EXPECT_EQ(world.op.Waits(), (std::vector<int>{60, 500, 10000, 60}));
    EXPECT_EQ(world.ticks.Milliseconds() - start, 60u + 500 + 10000 + 60);
    EXPECT_FALSE(world.run.flags.stopRequested);
}

TEST(Pause, AStopPressIsRecordedAndTheRestIsStillWaited) {
    RunWorld world;
    int calls = 0;
    world.op.onWait = [&](int milliseconds) {
        // The first wait is cut short by Stop after 300 ms.
        const int waited = ++calls == 1 ? 300 : milliseconds;
        world.ticks.Advance(waited);
        return calls == 1;
    };
    Pause(world.run, 1000);
    EXPECT_EQ(world.op.Waits(), (std::vector<int>{1000, 700}));
    EXPECT_TRUE(world.run.flags.stopRequested);
}

TEST(Pause, DoesNotNest) {
    RunWorld world;
    world.op.onWait = [&](int milliseconds) {
        if (world.op.Waits().size() == 1) Pause(world.run, 2000);  // returns at once
        world.ticks.Advance(milliseconds);
        return false;
    };
    Pause(world.run, 1000);
    EXPECT_EQ(world.op.Waits(), (std::vector<int>{1000}));
    EXPECT_FALSE(world.run.flags.pauseInProgress);
    Pause(world.run, 1000);  // and a later pause waits again
    EXPECT_EQ(world.op.Waits().size(), 2u);
}

}  // namespace
}  // namespace brenx::run
