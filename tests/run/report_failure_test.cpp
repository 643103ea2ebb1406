#include "run/report_failure.h"

#include <gtest/gtest.h>

#include <vector>

#include "run/exit_codes.h"
#include "run/messages.h"
#include "run/run_world.h"

namespace brenx::run {
namespace {

using testing::RunWorld;

TEST(ReportFailure, ShowsTheBannerAndSaysSorryOncePerReason) {
    RunWorld world;
    RunState& run = world.run;
    ReportFailure(run);  // exit code 0: nothing at all
    EXPECT_FALSE(world.board.WasSet(BoardText::Banner));

    run.verdict.Fail(kExitNoMedia, "No media");
    world.op.ExpectError("Sorry: No media");
    ReportFailure(run);
    EXPECT_EQ(world.board.Banner(), BannerLook::Failure);
    EXPECT_EQ(world.board.Text(BoardText::Banner), "Oops sorry about that...");
    EXPECT_EQ(world.op.Waits(), (std::vector<int>{500}));
    EXPECT_EQ(world.op.Clipboard(), "Sorry: No media");

    // The end of the job and the completion both report: one message.
    ReportFailure(run);
    EXPECT_EQ(world.op.Waits().size(), 1u);

    // A later job that fails for another reason says so again.
    run.verdict.Ok();
    run.verdict.Fail(kExitBadDirectories, "CheckDirectories");
    world.op.ExpectError("Sorry: CheckDirectories");
    ReportFailure(run);
}

TEST(ReportFailure, StaysQuietAfterTheVersionPrompt) {
    RunWorld world;
    world.run.verdict.Fail(kExitVersionPrompt, "no source");
    ReportFailure(world.run);
    EXPECT_EQ(world.board.Banner(), BannerLook::Failure);
    EXPECT_TRUE(world.op.Waits().empty());
}

TEST(Messages, FormatSafelyAndClipWhatTheyShow) {
    RunWorld world;
    RunState& run = world.run;
    world.op.ExpectInfo("3 files");
    InfoMessage(run, "%d files", {3});
    EXPECT_EQ(world.op.Clipboard(), "3 files");

    // A format that does not fit its arguments shows the fault report.
    world.op.ExpectError(support::SafeFormat("%d", {"x"}));
    ErrorMessage(run, "%d", {"x"});
    EXPECT_EQ(world.op.Clipboard(), support::SafeFormat("%d", {"x"}));

    world.op.ExpectConfirm("Start e:\\x?", true, false);
    EXPECT_TRUE(ConfirmMessage(run, "Start %s?", {"e:\\x"}, false));

    // A message line from a CRC log is shown as it is and not clipped.
    world.op.ExpectLogMessage("Changed 100% Media");
    ShowLogMessage(run, "Changed 100% Media");
    EXPECT_EQ(world.op.Clipboard(), "Start e:\\x?");
    EXPECT_EQ(world.op.ClipboardWrites(), 3);
}

}  // namespace
}  // namespace brenx::run
