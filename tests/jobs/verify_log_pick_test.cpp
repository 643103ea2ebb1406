#include "jobs/verify_log_pick.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "jobs/jobs_world.h"
#include "jobs/verify.h"
#include "jobs/verify_counts.h"
#include "run/show_status.h"

namespace brenx::jobs {
namespace {

using testing::CrcLine;
using testing::JobsWorld;
using testing::Lines;

TEST(PickVerifyLog, LetsTheOperatorChooseAmongTheMatchingLogs) {
    JobsWorld world;
    world.Put("d/logs/one.log", "");
    world.Put("d/logs/two.LOG", "");
    world.Put("d/logs/other.txt", "");
    world.Put("d/logs/.hidden.log", "");
    world.Settings().verify = "d:\\logs\\*.log";
    world.op.ExpectPickFile("Select Log File", "d:\\logs\\two.LOG", true);
    EXPECT_TRUE(PickVerifyLog(world.run));
    EXPECT_EQ(world.Settings().verify, "d:\\logs\\two.LOG");
    ASSERT_EQ(world.op.Picks().size(), 1u);
    const run::FilePick& pick = world.op.Picks()[0];
    EXPECT_EQ(pick.filter, "Verify log files|*.log");
    EXPECT_EQ(pick.directory, "d:\\logs\\");
    EXPECT_EQ(pick.hostDirectory, world.drives.Host("d/logs/"));
    std::vector<std::string> candidates = pick.candidates;
    std::sort(candidates.begin(), candidates.end());
    EXPECT_EQ(candidates, (std::vector<std::string>{"d:\\logs\\one.log", "d:\\logs\\two.LOG"}));

    // A plain name asks nothing; a cancel ends the job.
    EXPECT_TRUE(PickVerifyLog(world.run));
    world.Settings().verify = "run?.log";
    world.op.ExpectPickFile("Select Log File", "", false);
    EXPECT_FALSE(PickVerifyLog(world.run));
    EXPECT_EQ(world.Settings().verify, "run?.log");
    EXPECT_EQ(world.op.Picks()[1].directory, "d:\\");

    // A file browsed to on the host is taken by its program name.
    world.op.ExpectPickFile("Select Log File", world.drives.Host("e/old.log"), true);
    EXPECT_TRUE(PickVerifyLog(world.run));
#ifdef _WIN32
    EXPECT_EQ(world.Settings().verify, world.drives.Host("e/old.log"));  // the host's letters
#else
    EXPECT_EQ(world.Settings().verify, "E:\\old.log");
#endif
}

TEST(RunVerify, VerifiesThePickedLog) {
    JobsWorld world;
    world.Put("e/a.txt", "a");
    world.Put("d/logs/good.log", Lines({CrcLine("e:\\a.txt", "a")}));
    world.Settings().verify = "d:\\logs\\g*";
    world.run.flags.askedOnce = false;
    // The start question names the setting as given.
    world.op
        .ExpectConfirm(
            "Verify \"d:\\logs\\g*\"?\r\n(you might consider disabling screen savers, Tiny "
            "Elvis, whatever; Adaptec DirectCD CDR file writer might explode because of them, or "
            "then again it might've been moon phase...)",
            true)
        .ExpectPickFile("Select Log File", "d:\\logs\\good.log", true);
    EXPECT_TRUE(RunVerify(world.run));
    EXPECT_EQ(world.run.counters.fileCount, 1);
    EXPECT_EQ(world.board.Text(run::BoardText::Destination), "d:\\logs\\good.log");

    world.Settings().verify = "d:\\logs\\g*";
    world.op.ExpectPickFile("Select Log File", "", false);
    EXPECT_FALSE(RunVerify(world.run));
    EXPECT_EQ(world.run.verdict.Reason(), "user cancelled");
}

TEST(ShowVerifyCounts, ShowsTheMediaNoteOnceTheMediaChanged) {
    JobsWorld world;
    world.run.counters.fileCount = 1234;
    world.run.counters.byteCount = 5000000;
    world.run.counters.cdByteCount = 1000;
    world.run.counters.crcErrors = 2;
    ShowVerifyCounts(world.run);
    EXPECT_EQ(world.board.Text(run::BoardText::Status),
              std::string("#1,234 ") + run::kStatusDash + " 5,000,000 bytes (1,000; 2 crc errors)");
    EXPECT_EQ(world.run.memo.Text(), world.board.Text(run::BoardText::Status));
}

}  // namespace
}  // namespace brenx::jobs
