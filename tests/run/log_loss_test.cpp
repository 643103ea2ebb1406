#include "run/log_loss.h"

#include <gtest/gtest.h>

#include "options/log_file.h"
#include "run/exit_codes.h"
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

TEST(LogLoss, OnlyALostCrcLineFailsTheRun) {
    RunWorld plain;
    plain.fs.FailCall(platform::FsCall::Open, 1, platform::HostError::NoSpace);
    plain.log.Write("a note");
    plain.op.ExpectError(LogLossSummary(plain.log));
    CheckLogBeforeBanner(plain.run);
    EXPECT_EQ(plain.run.verdict.Code(), kExitSuccess);

    RunWorld proof;
    proof.fs.FailCall(platform::FsCall::Open, 1, platform::HostError::NoSpace, true);
    proof.log.Write("|e:\\a.txt|ABCD");
    proof.log.Write("|e:\\b.txt|1234");
    proof.op.ExpectError(LogLossSummary(proof.log));
    CheckLogBeforeBanner(proof.run);
    EXPECT_EQ(proof.run.verdict.Code(), kExitCrcLinesLost);
    EXPECT_EQ(proof.run.verdict.Reason(),
              "the CRC lines of 2 copied files couldn't be written to d:\\run.log");
    CheckLogBeforeBanner(proof.run);  // told once

    // A run that failed already keeps its own code and reason.
    RunWorld failed;
    failed.run.verdict.Fail(kExitCopyFiles, "brenxfiles(d:\\,e:\\)");
    failed.fs.FailCall(platform::FsCall::Open, 1, platform::HostError::NoSpace);
    failed.log.Write("|e:\\a.txt|ABCD");
    failed.op.ExpectError(LogLossSummary(failed.log));
    CheckLogBeforeBanner(failed.run);
    EXPECT_EQ(failed.run.verdict.Code(), kExitCopyFiles);
    EXPECT_EQ(failed.run.verdict.Reason(), "brenxfiles(d:\\,e:\\)");
}

}  // namespace
}  // namespace brenx::run
