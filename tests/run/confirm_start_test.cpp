#include "run/confirm_start.h"

#include <gtest/gtest.h>

#include "run/exit_codes.h"
#include "run/run_world.h"

namespace brenx::run {
namespace {

using testing::RunWorld;

const char* const kNote =
    "\r\n(you might consider disabling screen savers, Tiny Elvis, whatever; Adaptec DirectCD "
    "CDR file writer might explode because of them, or then again it might've been moon "
    "phase...)";

TEST(ConfirmStart, AsksOnceWithoutTheAlarmAndStartsTheClockOnEveryGoAhead) {
    RunWorld world;
    RunState& run = world.run;
    world.op.ExpectConfirm(std::string("Read a bunch of files on e:\\?") + kNote, true, false);
    EXPECT_FALSE(ConfirmStart(run, StartNote::With, "Read a bunch of files on %s?", {"e:\\"}));
    EXPECT_TRUE(run.flags.askedOnce);
    EXPECT_TRUE(run.clock.enabled);
    const std::uint64_t started = run.clock.startTick;

    // Later jobs are not asked; the clock keeps its first start.
    world.ticks.Advance(5000);
    EXPECT_FALSE(ConfirmStart(run, StartNote::Without, "Crush arc bits on bunches of files?"));
    EXPECT_EQ(run.clock.startTick, started);
    EXPECT_EQ(run.verdict.Code(), 0);
}

TEST(ConfirmStart, ANoEndsTheJobAsCancelled) {
    RunWorld world;
    world.op.ExpectConfirm("Crush arc bits on bunches of files?", false, false);
    EXPECT_TRUE(ConfirmStart(world.run, StartNote::Without, "Crush arc bits on bunches of files?"));
    EXPECT_EQ(world.run.verdict.Code(), kExitUserCancelled);
    EXPECT_EQ(world.run.verdict.Reason(), "User cancelled");
    EXPECT_FALSE(world.run.clock.enabled);
}

TEST(ConfirmStart, AlwaysConfirmOffAndNopromptStartWithoutAQuestion) {
    RunWorld world;
    RunState& run = world.run;
    world.Settings().AlwaysConfirm = false;
    // The first job goes unasked and leaves the clock blank ...
    EXPECT_FALSE(ConfirmStart(run, StartNote::With, "Brenx from %s to %s%s?", {"a", "b", ""}));
    EXPECT_FALSE(run.clock.enabled);
    EXPECT_TRUE(run.flags.askedOnce);
    // ... until a later job passes the start.
    EXPECT_FALSE(ConfirmStart(run, StartNote::With, "Brenx from %s to %s%s?", {"a", "b", ""}));
    EXPECT_TRUE(run.clock.enabled);

    RunWorld quiet;
    quiet.Settings().noprompt = true;
    EXPECT_FALSE(
        ConfirmStart(quiet.run, StartNote::With, "Execute \"%s\" over and over again?", {"x"}));
    EXPECT_TRUE(quiet.run.clock.enabled);
    EXPECT_FALSE(quiet.run.flags.askedOnce);
}

}  // namespace
}  // namespace brenx::run
