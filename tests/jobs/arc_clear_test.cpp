#include "jobs/arc_clear.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "jobs/jobs_world.h"
#include "platform/file_attributes.h"
#include "run/exit_codes.h"
#include "run/show_status.h"
#include "testkit/archive_bits.h"

namespace brenx::jobs {
namespace {

using testing::JobsWorld;

bool HasArchiveBit(JobsWorld& world, const std::string& path) {
    return (world.fs.GetAttributes(path) & platform::kAttrArchive) != 0;
}

// A source tree of new files (all with the archive bit), one read-only, one
// hidden, one in a subdirectory.
struct SourceTree {
    explicit SourceTree(JobsWorld& world) {
        world.Put("d/src/a.txt", "aa");
        world.Put("d/src/ro.txt", "rrr");
        world.Put("d/src/.hidden", "h");
        world.Put("d/src/sub/b.txt", "bbbb");
        std::filesystem::permissions(platform::testing::Utf8Path(world.drives.Host("d/src/ro.txt")),
                                     std::filesystem::perms::owner_write |
                                         std::filesystem::perms::group_write |
                                         std::filesystem::perms::others_write,
                                     std::filesystem::perm_options::remove);
        world.Settings().source = "d:\\src\\";
        world.Settings().recurse = true;
    }
};

TEST(RunArcClear, ClearsTheBitOnceAndKeepsTheOtherAttributes) {
    JobsWorld world;
    SourceTree tree(world);
    if (!testkit::TempDrivesClearArchiveBits() || !HasArchiveBit(world, "d:\\src\\a.txt") ||
        !world.fs.SetAttributes("d:\\src\\sub\\b.txt", platform::kAttrArchive)) {
        GTEST_SKIP() << "the temporary drives keep archive bits set";
    }
    EXPECT_TRUE(RunArcClear(world.run));
    EXPECT_EQ(world.run.verdict.Code(), 0);
    EXPECT_EQ(world.run.counters.fileCount, 3);
    EXPECT_EQ(world.run.counters.byteCount, 9);
    EXPECT_EQ(world.run.destinationRoot, "d:\\");
    EXPECT_FALSE(HasArchiveBit(world, "d:\\src\\a.txt"));
    EXPECT_FALSE(HasArchiveBit(world, "d:\\src\\sub\\b.txt"));
    EXPECT_EQ(world.fs.GetAttributes("d:\\src\\ro.txt"), platform::kAttrReadOnly);
    // Hidden files keep their bit.
    EXPECT_TRUE(HasArchiveBit(world, "d:\\src\\.hidden"));
    EXPECT_EQ(world.board.Text(run::BoardText::Status),
              "source: d:\\src\\sub\\b.txt\r\n#3 " + std::string(run::kStatusDash) + " 9");
    EXPECT_NE(world.LogText().find("brenx [stopbak] d:\\src\\ "), std::string::npos);

    // The second run finds nothing left to clear: nothing shown or counted.
    const auto shownBefore = world.board.History(run::BoardText::FileName).size();
    EXPECT_TRUE(RunArcClear(world.run));
    EXPECT_EQ(world.run.counters.fileCount, 3);
    EXPECT_EQ(world.board.History(run::BoardText::FileName).size(), shownBefore);

    // A file written since gets its bit back and is taken again.
    world.drives.Write("d/src/a.txt", "changed later");
    const auto written = platform::testing::Utf8Path(world.drives.Host("d/src/a.txt"));
    std::filesystem::last_write_time(
        written, std::filesystem::last_write_time(written) + std::chrono::hours(24 * 365));
    EXPECT_TRUE(RunArcClear(world.run));
    EXPECT_EQ(world.run.counters.fileCount, 4);
}

// A file system without extended attributes (exFAT, FAT) keeps every bit:
// each file is logged with the host's reason and counted, and the walk and
// its exit code go on as before.
TEST(RunArcClear, ABitThatDoesNotClearIsLoggedAndCounted) {
    JobsWorld world;
    SourceTree tree(world);
    world.fs.FailCall(platform::FsCall::SetAttributes, 1, platform::HostError::NotSupported, true);
    EXPECT_TRUE(RunArcClear(world.run));
    EXPECT_EQ(world.run.verdict.Code(), 0);
    EXPECT_EQ(world.run.counters.fileCount, 3);
    EXPECT_EQ(world.run.counters.archiveKept, 3);
    const std::string log = world.LogText();
    for (const char* path : {"d:\\src\\a.txt", "d:\\src\\ro.txt", "d:\\src\\sub\\b.txt"}) {
        EXPECT_NE(log.find(std::string("Couldn't clear the archive bit of ") + path +
                           " (the medium's file system cannot do that)\r\n"),
                  std::string::npos)
            << path;
    }
    EXPECT_TRUE(HasArchiveBit(world, "d:\\src\\a.txt"));
}

TEST(RunArcClear, LeavesEverythingAloneWithNodataAndBeforeTheStartFile) {
    JobsWorld world;
    SourceTree tree(world);
    world.Settings().nodata = true;
    EXPECT_TRUE(RunArcClear(world.run));
    EXPECT_EQ(world.run.counters.fileCount, 0);
    EXPECT_TRUE(HasArchiveBit(world, "d:\\src\\a.txt"));
    EXPECT_TRUE(HasArchiveBit(world, "d:\\src\\sub\\b.txt"));

    JobsWorld start;
    SourceTree tree2(start);
    start.Settings().startfile = "d:\\SRC\\sub\\B.txt";
    EXPECT_TRUE(RunArcClear(start.run));
    EXPECT_EQ(start.run.counters.fileCount, 3);
    EXPECT_TRUE(HasArchiveBit(start, "d:\\src\\a.txt"));
    EXPECT_TRUE(HasArchiveBit(start, "d:\\src\\ro.txt"));
    EXPECT_FALSE(start.run.flags.waitingForStartFile);
    if (testkit::TempDrivesClearArchiveBits()) {
        EXPECT_FALSE(HasArchiveBit(start, "d:\\src\\sub\\b.txt"));
    }
}

TEST(RunArcClear, NeedsItsMediaAndItsKeyFile) {
    JobsWorld world;
    world.Settings().source = "f:\\src\\";
    world.op.ExpectMedia(
        "You might consider inserting some source media for f:\\ if you expect this thing to "
        "work.",
        run::MediaAnswer::GiveUp);
    EXPECT_FALSE(RunArcClear(world.run));
    EXPECT_EQ(world.run.verdict.Code(), run::kExitClearNoMedia);
    EXPECT_EQ(world.run.verdict.Reason(), "No media");

    JobsWorld keyed;
    SourceTree tree(keyed);
    keyed.Settings().srckey = "src.key";
    keyed.op.ExpectMedia("source keyfile d:\\src.key missing. Try again? (I clipped the name)",
                         run::MediaAnswer::GiveUp);
    EXPECT_FALSE(RunArcClear(keyed.run));
    EXPECT_EQ(keyed.run.verdict.Code(), run::kExitKeyFileMissing);
    EXPECT_EQ(keyed.run.counters.fileCount, 0);
    EXPECT_TRUE(HasArchiveBit(keyed, "d:\\src\\a.txt"));

    JobsWorld noSource;
    noSource.op.ExpectConfirm(
        "Unknown option (no source); brenx version 2/18/2015; see html help "
        "(brenxhtm\\brenfrm.htm)?",
        false);
    EXPECT_FALSE(RunArcClear(noSource.run));
    EXPECT_EQ(noSource.run.verdict.Code(), run::kExitVersionPrompt);
}

TEST(RunArcClear, AStopAmongTheFilesOrBelowIsTold) {
    JobsWorld world;
    SourceTree tree(world);
    world.op.PressStop();
    world.op.ExpectConfirm("Give up now?", true);
    EXPECT_TRUE(RunArcClear(world.run));
    EXPECT_EQ(world.run.verdict.Code(), run::kExitClearFiles);
    EXPECT_EQ(world.run.verdict.Reason(), "bstopfiles(d:\\src\\)");

    JobsWorld deep;
    deep.Put("d/src/sub/b.txt", "b");
    deep.Settings().source = "d:\\src\\";
    deep.Settings().recurse = true;
    deep.op.PressStop();
    deep.op.ExpectConfirm("Give up now?", true);
    EXPECT_TRUE(RunArcClear(deep.run));
    EXPECT_EQ(deep.run.verdict.Code(), run::kExitClearDirectories);
    EXPECT_EQ(deep.run.verdict.Reason(), "bstopdirectories(d:\\src\\)");
}

}  // namespace
}  // namespace brenx::jobs
