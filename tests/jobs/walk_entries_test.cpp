// Read-back and archive-bit clearing leave no entry out unseen: one that
// could not be looked at fails with the host's reason, and a screwy name
// ("|", a control character) is asked about, and logged and counted when
// passed over, as a fifo or a link to a directory is when left out.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <string>

#include "jobs/arc_clear.h"
#include "jobs/jobs_world.h"
#include "jobs/read_back.h"
#include "run/exit_codes.h"

namespace brenx::jobs {
namespace {

using platform::FsCall;
using platform::HostError;
using testing::JobsWorld;

bool Logged(const JobsWorld& world, const std::string& text) {
    return world.LogText().find(text) != std::string::npos;
}

TEST(WalkEntries, ReadBackAsksAboutAFileItCouldNotLookAtAndLooksAgain) {
    JobsWorld world;
    world.Put("e/dst/a.txt", "alpha");
    world.Settings().destination = "e:\\dst\\";
    world.fs.FailCall(FsCall::LookAtEntry, 1, HostError::AccessDenied);
    world.op.ExpectMedia("Couldn't ReadBFile(e:\\dst\\a.txt)!?; Try again?\r\n(access denied)",
                         run::MediaAnswer::TryAgain);
    EXPECT_TRUE(RunReadBack(world.run));
    EXPECT_EQ(world.run.verdict.Code(), 0);
    EXPECT_EQ(world.run.counters.fileCount, 1);
    EXPECT_EQ(world.run.counters.byteCount, 5);

    // With nodata nothing is read, but the entry still is not counted unseen.
    JobsWorld unread;
    unread.Put("e/dst/a.txt", "alpha");
    unread.Settings().destination = "e:\\dst\\";
    unread.Settings().nodata = true;
    unread.fs.FailCall(FsCall::LookAtEntry, 1, HostError::IoError, true);
    unread.op.ExpectMedia(
        "Couldn't ReadBFile(e:\\dst\\a.txt)!?; Try again?\r\n(input/output error)",
        run::MediaAnswer::GiveUp);
    EXPECT_TRUE(RunReadBack(unread.run));
    EXPECT_EQ(unread.run.verdict.Code(), run::kExitReadFiles);
    EXPECT_EQ(unread.run.counters.fileCount, 0);
}

TEST(WalkEntries, ArchiveClearingKeepsTheBitOfAFileItCouldNotLookAtAndSaysWhy) {
    JobsWorld world;
    world.Put("d/src/a.txt", "alpha");
    world.Put("d/src/b.txt", "beta");
    world.Settings().source = "d:\\src\\";
    world.fs.FailCall(FsCall::LookAtEntry, 1, HostError::NameTooLong);
    EXPECT_TRUE(RunArcClear(world.run));
    EXPECT_EQ(world.run.verdict.Code(), 0);
    // b.txt too where the temporary directory keeps no archive bits.
    EXPECT_GE(world.run.counters.archiveKept, 1);
    EXPECT_TRUE(Logged(world, "Couldn't clear the archive bit of d:\\src\\"));
    EXPECT_TRUE(Logged(world, "(the name is too long for this medium)\r\n"));
}

// Windows names hold no "|" nor control characters; fifos and links are POSIX's.
#ifndef _WIN32
TEST(WalkEntries, ScrewyNamesAreAskedAboutAndSpecialEntriesLoggedInEveryWalk) {
    for (const bool readBack : {true, false}) {
        JobsWorld world;
        const std::string root = readBack ? "e/dst/" : "d/src/";
        const std::string windows = readBack ? "e:\\dst\\" : "d:\\src\\";
        world.Put(root + "ok.txt", "fine");
        world.Put(root + "x|y.txt", "bar");
        world.Put(root + "sub|dir/in.txt", "in");
        ASSERT_EQ(mkfifo(world.drives.Host(root + "pipe").c_str(), 0600), 0);
        ASSERT_EQ(symlink(".", world.drives.Host(root + "loop").c_str()), 0);
        world.Settings().destination = world.Settings().source = windows;
        world.Settings().recurse = true;
        for (const std::string name : {"x|y.txt", "sub|dir"}) {
            world.op.ExpectConfirm("something screwy about \"" + windows + name +
                                       "\"; not processing; abruptly "
                                       "give-up?",
                                   false, true);
        }
        EXPECT_TRUE(readBack ? RunReadBack(world.run) : RunArcClear(world.run));
        EXPECT_EQ(world.run.verdict.Code(), 0);
        EXPECT_EQ(world.run.counters.fileCount, 1);
        EXPECT_EQ(world.run.counters.passedOver, 2);
        EXPECT_TRUE(Logged(world, "Passed over \"" + windows + "x|y.txt\": a \"|\" in its name"));
        EXPECT_TRUE(Logged(world, "Passed over \"" + windows + "sub|dir\": a \"|\" in its name"));
        EXPECT_EQ(world.run.counters.nonRegular, 2);
        EXPECT_TRUE(Logged(world, "skipping non-regular file " + windows + "pipe (not a regular"));
        EXPECT_TRUE(
            Logged(world, "skipping non-regular file " + windows + "loop\\ (not a regular"));
    }

    // Yes gives the run up.
    JobsWorld abandoned;
    abandoned.Put("e/dst/bad\x01name", "b");
    abandoned.Settings().destination = "e:\\dst\\";
    abandoned.op.ExpectConfirm(
        "something screwy about \"e:\\dst\\bad?name\"; not processing; abruptly give-up?", true,
        true);
    EXPECT_TRUE(RunReadBack(abandoned.run));
    EXPECT_NE(abandoned.run.verdict.Code(), 0);
    EXPECT_EQ(abandoned.run.counters.passedOver, 0);
}
#endif

}  // namespace
}  // namespace brenx::jobs
