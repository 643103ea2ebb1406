#include "run/log_loss.h"

#include <gtest/gtest.h>

#include "options/log_file.h"
#include "run/run_world.h"

namespace brenx::run {
namespace {

using testing::RunWorld;

TEST(LogLoss, TellsTheOperatorOnceHowManyEntriesWereLost) {
    RunWorld world;
    world.log.Write("kept");
    EXPECT_EQ(LogLossSummary(world.log), "");
    EXPECT_FALSE(ReportLogLoss(world.run));

    world.log.Close();
    world.fs.FailCall(platform::FsCall::Open, 1, platform::HostError::NoSpace, true);
    world.log.Write("|e:\\a.txt|ABCD");
    const std::string one = LogLossSummary(world.log);
    EXPECT_EQ(one.rfind("1 log entry could not be written to d:\\run.log (", 0), 0u) << one;
    world.log.Write("|e:\\b.txt|1234");
    const std::string two = LogLossSummary(world.log);
    EXPECT_EQ(two.rfind("2 log entries could not be written to d:\\run.log (", 0), 0u) << two;
    EXPECT_NE(two.find("cannot be verified"), std::string::npos);

    world.op.ExpectError(two);
    EXPECT_TRUE(ReportLogLoss(world.run));
    EXPECT_FALSE(ReportLogLoss(world.run));
    EXPECT_EQ(world.op.Clipboard(), two);
}

}  // namespace
}  // namespace brenx::run
