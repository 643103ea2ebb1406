#include "run/keep_going.h"

#include <gtest/gtest.h>

#include "run/exit_codes.h"
#include "run/pace.h"
#include "run/run_world.h"

namespace brenx::run {
namespace {

using testing::RunWorld;

TEST(KeepGoing, GoesOnUntilStopIsPressedAndTheOperatorGivesUp) {
    RunWorld world;
    RunState& run = world.run;
    EXPECT_TRUE(KeepGoing(run));
    EXPECT_EQ(world.op.Pumps(), 1);

    // Stop, then "no": the copy goes on with the exit code still 0.
    world.op.PressStop();
    world.op.ExpectConfirm("Give up now?", false, true);
    EXPECT_TRUE(KeepGoing(run));
    EXPECT_FALSE(run.flags.stopRequested);
    EXPECT_EQ(run.verdict.Code(), 0);
    EXPECT_EQ(world.op.Clipboard(), "Give up now?");

    // Stop, then "yes": exit code 2, and the run stays stopped.
    world.op.PressStop();
    world.op.ExpectConfirm("Give up now?", true, true);
    EXPECT_FALSE(KeepGoing(run));
    EXPECT_EQ(run.verdict.Code(), kExitGaveUp);
    EXPECT_TRUE(run.flags.stopRequested);
    EXPECT_TRUE(run.flags.closeAllowed);
    // The polls of the loops that unwind stop at once, without asking again.
    EXPECT_FALSE(KeepGoing(run));
    run.verdict.Fail(kExitCopyFiles,
                     "brenxfiles(d:\\,e:\\)");  // the walk's own code takes its place
    EXPECT_FALSE(KeepGoing(run));
    EXPECT_EQ(run.verdict.Code(), 3);
}

TEST(KeepGoing, LetsEventsRunOncePerTurnOfTheFrontEnd) {
    RunWorld world;
    RunState& run = world.run;
    run.pace.SetInterval(kFrontEndTurn);
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(KeepGoing(run));
    EXPECT_EQ(world.op.Pumps(), 1);
    world.ticks.Advance(kFrontEndTurn - 1);
    EXPECT_TRUE(KeepGoing(run));
    EXPECT_EQ(world.op.Pumps(), 1);

    // A Stop press is seen at the front end's next turn.
    world.op.PressStop();
    world.ticks.Advance(1);
    world.op.ExpectConfirm("Give up now?", false, true);
    EXPECT_TRUE(KeepGoing(run));
    EXPECT_EQ(world.op.Pumps(), 2);
    EXPECT_EQ(world.op.QuestionIds().back(), options::QuestionId::GiveUpNow);
}

TEST(KeepGoing, AStopRecordedDuringAWaitIsAskedAtTheNextPoll) {
    RunWorld world;
    world.run.flags.stopRequested = true;
    world.op.ExpectConfirm("Give up now?", false, true);
    EXPECT_TRUE(KeepGoing(world.run));
}

TEST(KeepGoing, ClosingTheRunStopsEveryLoopWithoutAQuestion) {
    RunWorld world;
    world.run.flags.closeAllowed = true;
    EXPECT_FALSE(KeepGoing(world.run));
    EXPECT_TRUE(world.run.flags.stopRequested);
    EXPECT_EQ(world.run.verdict.Code(), 0);
}

TEST(SkipDelayRequested, AStopPressOffersToCutTheWaitButNeverStopsTheRun) {
    RunWorld world;
    RunState& run = world.run;
    EXPECT_FALSE(SkipDelayRequested(run));

    world.op.PressStop();
    world.op.ExpectConfirm("Skip the delay?", true, true);
    EXPECT_TRUE(SkipDelayRequested(run));
    EXPECT_FALSE(run.flags.stopRequested);

    world.op.PressStop();
    world.op.ExpectConfirm("Skip the delay?", false, true);
    EXPECT_FALSE(SkipDelayRequested(run));
    EXPECT_FALSE(run.flags.stopRequested);
    EXPECT_EQ(run.verdict.Code(), 0);
    EXPECT_TRUE(KeepGoing(run));  // nothing left to ask
}

}  // namespace
}  // namespace brenx::run
