#include "run/counts_file.h"

#include <gtest/gtest.h>

#include "run/run_world.h"

namespace brenx::run {
namespace {

using testing::RunWorld;

TEST(CountsFile, SavesThreeLinesAndLoadsThemBack) {
    RunWorld world;
    world.Settings().counts = "d:\\counts.txt";
    RunCounters& counters = world.run.counters;
    counters.fileCount = 12;
    counters.byteCount = 5000000000;  // past the 32-bit range
    counters.cdByteCount = 77;
    counters.newerSkipped = 3;
    world.drives.Write("d/counts.txt", "an older and much longer content\r\n\r\n");
    CountsFile(world.run, true);
    EXPECT_EQ(world.drives.Read("d/counts.txt"),
              "filecount: 12\r\nbyte: 5000000000\r\nskipped: 3\r\n");

    counters = RunCounters{};
    counters.crcErrors = 4;
    CountsFile(world.run, false);
    EXPECT_EQ(counters.fileCount, 12);
    EXPECT_EQ(counters.byteCount, 5000000000);
    EXPECT_EQ(counters.cdByteCount, 5000000000);
    EXPECT_EQ(counters.newerSkipped, 3);
    EXPECT_EQ(counters.crcErrors, 4);
}

TEST(CountsFile, ReadsKeysInAnyCaseAndIgnoresTheRest) {
    RunCounters counters;
    ApplyCountsLine("FILECOUNT: 12", counters);
    EXPECT_EQ(counters.fileCount, 12);
    ApplyCountsLine("  byte: 5", counters);
    EXPECT_EQ(counters.byteCount, 5);
    EXPECT_EQ(counters.cdByteCount, 5);
    ApplyCountsLine("skipped:1 2x9", counters);
    EXPECT_EQ(counters.newerSkipped, 12);
    ApplyCountsLine("skipped: 4-", counters);
    EXPECT_EQ(counters.newerSkipped, -4);
    ApplyCountsLine("files: 99", counters);
    ApplyCountsLine("", counters);
    EXPECT_EQ(counters.fileCount, 12);
    ApplyCountsLine("filecount: 99999999999999999999999", counters);
    EXPECT_EQ(counters.fileCount, INT64_MAX);

    RunWorld world;
    world.Settings().counts = "d:\\c.txt";
    world.drives.Write("d/c.txt", "junk\r\nFILECOUNT: 7\r\nbyte: 9");  // no line end at the end
    CountsFile(world.run, false);
    EXPECT_EQ(world.run.counters.fileCount, 7);
    EXPECT_EQ(world.run.counters.byteCount, 9);
}

TEST(CountsFile, PassesOverWhatItCannotUse) {
    RunWorld world;
    RunCounters& counters = world.run.counters;
    counters.fileCount = 5;
    CountsFile(world.run, true);  // no counts setting: nothing happens
    CountsFile(world.run, false);
    EXPECT_EQ(world.fs.TotalCalls(), 0);

    world.Settings().counts = "d:\\missing.txt";
    CountsFile(world.run, false);
    EXPECT_EQ(counters.fileCount, 5);
}

// Counts that cannot be saved whole are logged and told: the next run would
// start from wrong totals.
TEST(CountsFile, CountsNotSavedAreToldWithTheReason) {
    RunWorld world;
    world.Settings().counts = "f:\\counts.txt";  // no media in f:
    world.op.ExpectError(
        "Couldn't save the counts to f:\\counts.txt (no medium, or the device "
        "is gone)");
    CountsFile(world.run, true);
    world.fs.FailCall(platform::FsCall::Open, world.fs.Calls(platform::FsCall::Open) + 1,
                      platform::HostError::AccessDenied);
    world.Settings().counts = "d:\\counts.txt";
    world.op.ExpectError("Couldn't save the counts to d:\\counts.txt (access denied)");
    CountsFile(world.run, true);
    EXPECT_FALSE(world.drives.Exists("d/counts.txt"));

    world.fs.ShortenWrite(world.fs.Calls(platform::FsCall::Write) + 1, 3);
    world.op.ExpectError(
        "Couldn't save the counts to d:\\counts.txt (no space left on the "
        "medium)");
    CountsFile(world.run, true);
    world.log.Close();
    EXPECT_NE(world.drives.Read("d/run.log").find("Couldn't save the counts to d:\\counts.txt"),
              std::string::npos);
}

}  // namespace
}  // namespace brenx::run
