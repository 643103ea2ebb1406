#include "jobs/tidy_start.h"

#include <gtest/gtest.h>

#include "jobs/jobs_world.h"
#include "run/exit_codes.h"

namespace brenx::jobs {
namespace {

using testing::JobsWorld;

TEST(StartTidy, StartsTheProgramOrSaysWhyNot) {
    JobsWorld world;
    world.Settings().tidy = "e:\\tidy.exe /all";
    EXPECT_TRUE(StartTidy(world.run));
    EXPECT_EQ(world.starter.started, (std::vector<std::string>{"e:\\tidy.exe /all"}));
    EXPECT_EQ(world.LogText(), "tidy: WinExec(e:\\tidy.exe /all)\r\n");
    EXPECT_EQ(world.run.verdict.Code(), 0);

    world.starter.succeed = false;
    world.op.ExpectError("tidy: Failure in WinExec(e:\\tidy.exe /all)");
    EXPECT_FALSE(StartTidy(world.run));
    EXPECT_EQ(world.run.verdict.Code(), run::kExitTidyStart);
    EXPECT_EQ(world.op.Clipboard(), "tidy: Failure in WinExec(e:\\tidy.exe /all)");
}

}  // namespace
}  // namespace brenx::jobs
