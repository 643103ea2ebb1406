#include "copy/random_wait.h"

#include <gtest/gtest.h>

#include <string>

#include "copy/copy_world.h"

namespace brenx::copy {
namespace {

using testing::CopyWorld;

// A copy job onto CD-R media with the default waits (240,000,000 bytes,
// 60 seconds) and the thresholds as the job preparation sets them.
struct CdrWorld : CopyWorld {
    CdrWorld() {
        run.copySession.cdrMode = true;
        run.copySession.nextWaitAt = Settings().RandomWait;
        run.copySession.nextEjectAt = Settings().RandomEject;
    }
};

TEST(RandomWaitOrEject, WaitsAtEveryIntervalOfBytesOnTheMedia) {
    CdrWorld world;
    world.run.counters.cdByteCount = 239999999;
    RandomWaitOrEject(world.run, false);
    EXPECT_TRUE(world.op.Waits().empty());

    world.run.counters.cdByteCount = 240000000;
    RandomWaitOrEject(world.run, false);
    EXPECT_EQ(world.op.Waits(), std::vector<int>(60, 1000));
    EXPECT_EQ(world.run.copySession.nextWaitAt, 480000000);
    EXPECT_EQ(world.LogLines().back(),
              "waiting for 60 seconds at 240000000 bytes (randomwait=240000000)");
    EXPECT_EQ(world.board.Text(run::BoardText::RandomWaitCaption), "1.00 minute wait");
    const auto& boxes = world.board.WaitHistory();
    ASSERT_EQ(boxes.size(), 62u);  // shown at 0, 60 steps, hidden
    EXPECT_TRUE(boxes.front().visible);
    EXPECT_EQ(boxes.front().position, 0);
    EXPECT_EQ(boxes.front().maximum, 61);
    EXPECT_EQ(boxes[60].position, 60);
    EXPECT_FALSE(boxes.back().visible);
    EXPECT_EQ(world.board.Text(run::BoardText::FreeSpace).rfind("drive e:\\ has ", 0), 0u);

    // The next comes at 480,000,000.
    world.run.counters.cdByteCount = 479999999;
    RandomWaitOrEject(world.run, false);
    EXPECT_EQ(world.op.Waits().size(), 60u);
}

TEST(RandomWaitOrEject, AtTheEndWaitsOnceAWholeIntervalIsOnTheMedia) {
    CdrWorld world;
    world.Settings().RandomTime = 90;
    world.run.counters.cdByteCount = 200000000;
    RandomWaitOrEject(world.run, true);
    EXPECT_TRUE(world.op.Waits().empty());
    world.run.counters.cdByteCount = 250000000;
    world.run.copySession.nextWaitAt = 480000000;
    RandomWaitOrEject(world.run, true);
    EXPECT_EQ(world.op.Waits().size(), 90u);
    EXPECT_EQ(world.board.Text(run::BoardText::RandomWaitCaption), "1.50 minute wait at end");
}

TEST(RandomWaitOrEject, NeverOffCdrInNocopyOrOutsideACopyJob) {
    CdrWorld world;
    world.run.counters.cdByteCount = 900000000;
    world.run.copySession.cdrMode = false;
    RandomWaitOrEject(world.run, false);
    world.run.copySession.cdrMode = true;
    world.Settings().nocopy = true;
    RandomWaitOrEject(world.run, true);
    world.Settings().nocopy = false;
    world.run.jobMode = run::JobMode::Verify;
    RandomWaitOrEject(world.run, false);
    world.run.jobMode = run::JobMode::Copy;
    world.Settings().RandomWait = 0;
    RandomWaitOrEject(world.run, false);
    world.Settings().RandomWait = -5;  // a settings-file value taken as off
    RandomWaitOrEject(world.run, false);
    EXPECT_TRUE(world.op.Waits().empty());
    EXPECT_EQ(world.LogText(), "");
}

TEST(RandomWaitOrEject, AnEjectRequestTakesTheCallOfAWaitThatIsDue) {
    CdrWorld world;
    world.Settings().RandomWait = 50000000;
    world.Settings().RandomEject = 100000000;
    world.run.copySession.nextWaitAt = 50000000;
    world.run.copySession.nextEjectAt = 100000000;
    world.run.counters.cdByteCount = 100000000;  // not above the threshold
    RandomWaitOrEject(world.run, false);
    EXPECT_EQ(world.op.Waits().size(), 60u);

    world.run.counters.cdByteCount = 100000001;
    world.op.ExpectInfo(
        "You might consider ejecting and reinserting this silly thing to let Adaptec tidy-up "
        "and maybe it can write more files without error; click OK or whatever when you want "
        "to to continue.");
    RandomWaitOrEject(world.run, false);
    EXPECT_EQ(world.op.Waits().size(), 60u);  // no wait in that call
    EXPECT_EQ(world.run.copySession.nextEjectAt, 200000000);
    EXPECT_EQ(world.run.copySession.nextWaitAt, 100000000);
    EXPECT_EQ(world.LogLines().back(), "random eject at 100000000 bytes");
    EXPECT_EQ(world.op.Beeps(), 3);

    RandomWaitOrEject(world.run, false);  // the wait that was due
    EXPECT_EQ(world.op.Waits().size(), 120u);
    EXPECT_EQ(world.run.copySession.nextWaitAt, 150000000);
}

TEST(RandomWaitOrEject, StopDuringAWaitOffersToSkipTheRest) {
    CdrWorld world;
    world.run.counters.cdByteCount = 240000000;
    int waits = 0;
    world.op.onWait = [&](int milliseconds) {
        world.ticks.Advance(static_cast<std::uint64_t>(milliseconds));
        return ++waits == 3 || waits == 10;
    };
    world.op.ExpectConfirm("Skip the delay?", false, true).ExpectConfirm("Skip the delay?", true);
    RandomWaitOrEject(world.run, false);
    EXPECT_EQ(waits, 10);
    EXPECT_FALSE(world.run.flags.stopRequested);
    EXPECT_EQ(world.run.verdict.Code(), 0);
    EXPECT_FALSE(world.board.WaitHistory().back().visible);
}

}  // namespace
}  // namespace brenx::copy
