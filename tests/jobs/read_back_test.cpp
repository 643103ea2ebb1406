#include "jobs/read_back.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "jobs/jobs_world.h"
#include "jobs/volume_root.h"
#include "run/exit_codes.h"
#include "run/show_status.h"

namespace brenx::jobs {
namespace {

using testing::JobsWorld;
using testing::Pattern;

TEST(VolumeRoot, TakesTheShareOrTheDrive) {
    EXPECT_EQ(VolumeRoot("\\\\server\\share\\dir\\"), "\\\\server\\share\\");
    EXPECT_EQ(VolumeRoot("\\\\server\\share\\"), "\\\\server\\share\\");
    EXPECT_EQ(VolumeRoot("E:\\Backup\\"), "e:\\");
    EXPECT_EQ(VolumeRoot("\\\\Server\\share"), "\\\\s");
    EXPECT_EQ(VolumeRoot("D:"), "d:");
    EXPECT_EQ(VolumeRoot(""), " ");
    // A long share name still gives the whole share root.
    const std::string share(300, 's');
    EXPECT_EQ(VolumeRoot("\\\\x\\" + share + "\\dir"), "\\\\x\\" + share + "\\");
}

// A destination tree: two files on top, one in a subdirectory, and a hidden
// file and a hidden directory that are never read.
struct DestinationTree {
    explicit DestinationTree(JobsWorld& world) {
        world.Put("e/dst/a.txt", "aaa");
        world.Put("e/dst/b.bin", Pattern(70000));
        world.Put("e/dst/sub/c.txt", "cc");
        world.Put("e/dst/.hidden", "hhhh");
        world.Put("e/dst/.secret/d.txt", "dddd");
        world.Settings().destination = "e:\\dst\\";
        world.Settings().recurse = true;
    }
};

std::vector<std::string> OpenedOn(JobsWorld& world, const std::string& drive) {
    std::vector<std::string> paths;
    for (const std::string& path : world.fs.opened) {
        if (path.rfind(drive, 0) == 0) paths.push_back(path);
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

TEST(RunReadBack, ReadsEveryPlainFileOfTheTree) {
    JobsWorld world;
    DestinationTree tree(world);
    EXPECT_TRUE(RunReadBack(world.run));
    EXPECT_EQ(world.run.verdict.Code(), 0);
    EXPECT_EQ(world.run.counters.fileCount, 3);
    EXPECT_EQ(world.run.counters.byteCount, 70005);
    EXPECT_EQ(world.run.destinationRoot, "e:\\");
    EXPECT_EQ(OpenedOn(world, "e:"), (std::vector<std::string>{"e:\\dst\\a.txt", "e:\\dst\\b.bin",
                                                               "e:\\dst\\sub\\c.txt"}));
    EXPECT_EQ(world.board.Text(run::BoardText::Status),
              std::string("#3 ") + run::kStatusDash + " 70,005");
    EXPECT_EQ(world.board.Text(run::BoardText::Destination), "e:\\dst\\");
    EXPECT_FALSE(world.board.SourceCaptionShown());
    EXPECT_NE(world.LogText().find("brenx [read] e:\\dst\\ "), std::string::npos);

    // Without recurse the subdirectories are not entered.
    JobsWorld flat;
    DestinationTree flatTree(flat);
    flat.Settings().recurse = false;
    EXPECT_TRUE(RunReadBack(flat.run));
    EXPECT_EQ(flat.run.counters.fileCount, 2);
}

TEST(RunReadBack, NodataCountsWithoutOpening) {
    JobsWorld world;
    DestinationTree tree(world);
    world.Settings().nodata = true;
    world.run.counters.cdByteCount = 5;  // a media change earlier in the run
    EXPECT_TRUE(RunReadBack(world.run));
    EXPECT_EQ(world.run.counters.fileCount, 3);
    EXPECT_EQ(world.run.counters.byteCount, 70005);
    EXPECT_TRUE(OpenedOn(world, "e:").empty());
    EXPECT_EQ(world.board.Text(run::BoardText::Status),
              std::string("#3 ") + run::kStatusDash + " 70,005 (70,010)");
}

TEST(RunReadBack, CountsButDoesNotReadTheFilesBeforeTheStartFile) {
    JobsWorld world;
    DestinationTree tree(world);
    world.Settings().startfile = "E:\\DST\\SUB\\C.TXT";
    EXPECT_TRUE(RunReadBack(world.run));
    EXPECT_FALSE(world.run.flags.waitingForStartFile);
    EXPECT_EQ(world.run.counters.fileCount, 3);
    EXPECT_EQ(OpenedOn(world, "e:"), (std::vector<std::string>{"e:\\dst\\sub\\c.txt"}));
}

TEST(RunReadBack, AFailingFileCanBeSkippedOrEndTheWalk) {
    JobsWorld world;
    world.Put("e/dst/bad.txt", "bad");
    world.Put("e/dst/sub/good.txt", "good");
    world.Settings().destination = "e:\\dst\\";
    world.Settings().recurse = true;
    // Open 1 is the log's header entry; open 2 the first file.
    world.fs.FailCall(platform::FsCall::Open, 2, platform::HostError::IoError);
    world.op.ExpectMedia(
        "Couldn't ReadBFile(e:\\dst\\bad.txt)!?; Try again?\r\n(input/output error)",
        run::MediaAnswer::Skip);
    EXPECT_TRUE(RunReadBack(world.run));
    EXPECT_EQ(world.run.counters.fileCount, 1);
    EXPECT_EQ(world.run.counters.byteCount, 4);
    EXPECT_EQ(world.run.verdict.Code(), 0);
    EXPECT_TRUE(world.op.MediaQuestions()[0].showSkip);
    EXPECT_EQ(world.run.counters.operatorSkips, 1);
    EXPECT_NE(world.LogText().find("operator skip: ReadBFile(e:\\dst\\bad.txt)\r\n"),
              std::string::npos);

    // A read error in the middle of a file is asked about too; giving up
    // ends the walk with the top directory's failure.
    JobsWorld broken;
    broken.Put("e/dst/big.bin", Pattern(100000));
    broken.Settings().destination = "e:\\dst\\";
    broken.fs.FailCall(platform::FsCall::Read, 2, platform::HostError::IoError);
    broken.op.ExpectMedia(
        "Couldn't ReadBFile(e:\\dst\\big.bin)!?; Try again?\r\n(input/output error)",
        run::MediaAnswer::GiveUp);
    EXPECT_TRUE(RunReadBack(broken.run));
    EXPECT_EQ(broken.run.counters.fileCount, 0);
    EXPECT_EQ(broken.run.verdict.Code(), run::kExitReadFiles);
    EXPECT_EQ(broken.run.verdict.Reason(), "bRDSTfiles(e:\\dst\\)");

    // A failure below the top directory is told as the subdirectories'.
    JobsWorld deep;
    deep.Put("e/dst/sub/big.bin", Pattern(100000));
    deep.Settings().destination = "e:\\dst\\";
    deep.Settings().recurse = true;
    deep.fs.FailCall(platform::FsCall::Read, 2, platform::HostError::IoError);
    deep.op.ExpectMedia(
        "Couldn't ReadBFile(e:\\dst\\sub\\big.bin)!?; Try again?\r\n(input/output error)",
        run::MediaAnswer::TryAgain);
    EXPECT_TRUE(RunReadBack(deep.run));
    EXPECT_EQ(deep.run.counters.fileCount, 1);
    EXPECT_EQ(deep.run.verdict.Code(), 0);
    deep.Put("e/dst/sub/more/x.txt", "x");
    deep.op.PressStop();
    deep.op.ExpectConfirm("Give up now?", true);
    EXPECT_TRUE(RunReadBack(deep.run));
    EXPECT_EQ(deep.run.verdict.Code(), run::kExitReadDirectories);
    EXPECT_EQ(deep.run.verdict.Reason(), "bRDSTdirectories(e:\\dst\\)");
}

// A directory that cannot be listed holds files that were never read: the
// walk fails and the log says which directory, instead of passing it as empty.
TEST(RunReadBack, ADirectoryThatCannotBeListedFailsTheWalk) {
    JobsWorld top;
    DestinationTree topTree(top);
    top.fs.FailCall(platform::FsCall::FindFirst, 1, platform::HostError::AccessDenied, true);
    EXPECT_TRUE(RunReadBack(top.run));
    EXPECT_EQ(top.run.counters.fileCount, 0);
    EXPECT_EQ(top.run.verdict.Code(), run::kExitReadFiles);
    EXPECT_EQ(top.run.verdict.Reason(), "bRDSTfiles(e:\\dst\\)");
    EXPECT_NE(top.LogText().find("Couldn't read the directory e:\\dst\\ ("), std::string::npos);

    // The files at the top were read; the subdirectory's listing fails.
    JobsWorld deep;
    DestinationTree deepTree(deep);
    deep.fs.FailCall(platform::FsCall::FindFirst, 3, platform::HostError::IoError, true);
    EXPECT_TRUE(RunReadBack(deep.run));
    EXPECT_EQ(deep.run.counters.fileCount, 2);
    EXPECT_EQ(deep.run.verdict.Code(), run::kExitReadDirectories);
    EXPECT_EQ(deep.run.verdict.Reason(), "bRDSTdirectories(e:\\dst\\)");
    EXPECT_NE(deep.LogText().find("Couldn't read the directory e:\\dst\\sub\\ ("),
              std::string::npos);
}

TEST(RunReadBack, CannotStartWithoutMediaOrDestination) {
    JobsWorld world;
    world.Settings().destination = "f:\\dst\\";
    world.op.ExpectMedia(
        "You might consider inserting some destination media for f:\\ if you expect this thing "
        "to work.",
        run::MediaAnswer::GiveUp);
    EXPECT_FALSE(RunReadBack(world.run));
    EXPECT_EQ(world.run.verdict.Code(), run::kExitReadNoMedia);
    EXPECT_EQ(world.run.verdict.Reason(), "No media");
    EXPECT_FALSE(world.op.MediaQuestions()[0].showSkip);

    JobsWorld empty;
    empty.op.ExpectConfirm(
        "Unknown option (no destination); brenx version 2/18/2015; see html help "
        "(brenxhtm\\brenfrm.htm)?",
        false);
    EXPECT_FALSE(RunReadBack(empty.run));
    EXPECT_EQ(empty.run.verdict.Code(), run::kExitVersionPrompt);

    // An empty directory ends at once, successfully.
    JobsWorld nothing;
    nothing.Put("e/void/.keep", "");
    nothing.Settings().destination = "e:\\void\\";
    EXPECT_TRUE(RunReadBack(nothing.run));
    EXPECT_EQ(nothing.run.counters.fileCount, 0);
}

}  // namespace
}  // namespace brenx::jobs
