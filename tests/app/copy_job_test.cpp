#include <gtest/gtest.h>

#include "app/app_world.h"
#include "copy/flush.h"
#include "jobs/cdr_mode.h"
#include "jobs/check_directories.h"
#include "options/log_lines.h"
#include "platform/host_error.h"
#include "run/exit_codes.h"

namespace brenx::app {
namespace {

using jobs::CdrModeFor;
using jobs::IsWellFormedPath;
using testing::AppWorld;
using testing::kStartNote;

const std::string kStartQuestion = "Brenx from d:\\src\\ to e:\\dst\\?\r\n" + kStartNote;
const std::string kClosing = "Looks like we got out of here alive yet once again; I hope....";

TEST(CopyJob, CopiesTheTreeThenFlushesBeforeTheSuccessBanner) {
    AppWorld world({"d:\\src\\", "e:\\dst\\", "-s", "-ld:\\run.log"});
    world.op.ExpectConfirm(kStartQuestion, true, false);
    world.op.ExpectInfo(kClosing);
    EXPECT_EQ(world.Run(), 0);

    EXPECT_EQ(world.drives.Read("e/dst/a.txt"), "alpha");
    EXPECT_EQ(world.drives.Read("e/dst/sub/b.txt"), "beta");
    const std::string log = world.drives.Read("d/run.log");
    EXPECT_EQ(log.find(std::string(options::kLogSeparator) + "\r\nbrenx d:\\src\\ e:\\dst\\\r\n"),
              0u);
    EXPECT_NE(log.find("|e:\\dst\\sub\\b.txt|"), std::string::npos);
    EXPECT_NE(log.find("filecount: 2, bytecount: 9, cd_bytecount: 9, NewerSkipped: 0"),
              std::string::npos);
    EXPECT_EQ(world.board.Banner(), run::BannerLook::Success);
    EXPECT_EQ(world.board.Text(run::BoardText::Banner),
              "Hooray! We finished! Succesfully maybe....");
    EXPECT_EQ(world.fs.flushed, std::vector<std::string>{"e:\\dst\\"});
    EXPECT_EQ(world.run->jobLabel, "Copy: ");
    EXPECT_FALSE(world.run->clock.enabled);
    // A log named with a path stays where it was put.
    EXPECT_FALSE(world.drives.Exists("e/dst/brun.log"));
}

TEST(CopyJob, CopiesABareNamedCrcLogIntoTheDestinationRoot) {
    AppWorld world({"d:\\src\\", "e:\\dst\\", "-r", "-lrun.log"});
    EXPECT_FALSE(world.options.LogExplicit());
    EXPECT_EQ(world.Run(), 0);
    EXPECT_EQ(world.drives.Read("e/dst/brun.log"), world.drives.Read("d/prog/run.log"));
    EXPECT_NE(world.drives.Read("e/dst/brun.log").find("|e:\\dst\\a.txt|"), std::string::npos);
    const std::string status = world.run->memo.Text();
    EXPECT_TRUE(status.ends_with(std::string(21, ' ') + "Copied CRC log file!")) << status;
    // The copy is flushed onto the medium after the tree was.
    EXPECT_EQ(world.fs.flushed, (std::vector<std::string>{"e:\\dst\\", "e:\\dst\\"}));
}

// A medium gone by the end (its file system went away) may have lost what
// it received: that fails the run as a flush that failed outright.
TEST(CopyJob, AFailedFlushEndsTheRunWithItsOwnCode) {
    for (const platform::HostError error :
         {platform::HostError::IoError, platform::HostError::NoMedia}) {
        AppWorld world({"d:\\src\\", "e:\\dst\\", "-r", "-lrun.log"});
        world.fs.FailCall(platform::FsCall::FlushVolume, 1, error);
        world.op.ExpectError("Couldn't flush e:\\dst\\ to its medium (" +
                             platform::HostErrorText(error) + "); the run ends here");
        world.op.ExpectError(std::string("Sorry: ") + copy::kFlushFailedReason);
        EXPECT_EQ(world.Run(), copy::kExitFlushFailed);
        EXPECT_EQ(world.board.Banner(), run::BannerLook::Failure);
        // Nothing claims success: no counts, no CRC log copy.
        EXPECT_FALSE(world.drives.Exists("e/dst/brun.log"));
        EXPECT_NE(world.drives.Read("d/prog/run.log").find("Couldn't flush e:\\dst\\"),
                  std::string::npos);
    }
}

TEST(CopyJob, TakesTheRootAndTheCdrModeFromTheDestination) {
    // A network share is never a CD-R.
    AppWorld share({"d:\\src\\", "e:\\dst\\", "-ld:\\run.log"});
    share.Settings().destination = share.Settings().dst_root = "\\\\server\\share\\dir\\";
    share.Settings().NotCDR = "abcde";
    share.op.ExpectConfirm("Brenx from d:\\src\\ to \\\\server\\share\\dir\\?\r\n" + kStartNote,
                           true);
    share.op.ExpectMedia(
        "You might consider inserting some destination media for \\\\server\\share\\ if you "
        "expect this thing to work.",
        run::MediaAnswer::GiveUp);
    share.op.ExpectError("Sorry: No media");
    EXPECT_EQ(share.Run(), run::kExitNoMedia);
    EXPECT_EQ(share.run->destinationRoot, "\\\\server\\share\\");
    EXPECT_FALSE(share.run->copySession.cdrMode);

    // F: is not among the letters that NotCDR names: a CD-R.
    AppWorld cdr({"d:\\src\\", "e:\\dst\\", "-ld:\\run.log"});
    cdr.Settings().destination = cdr.Settings().dst_root = "F:\\backup\\";
    cdr.Settings().NotCDR = "abcde";
    cdr.op.ExpectConfirm(
        "Brenx from d:\\src\\ to F:\\backup\\ (with CDR name processing and "
        "random waits)?\r\n" +
            kStartNote,
        true);
    cdr.op.ExpectMedia(
        "You might consider inserting some destination media for f:\\ if you expect this "
        "thing to work.",
        run::MediaAnswer::GiveUp);
    cdr.op.ExpectError("Sorry: No media");
    EXPECT_EQ(cdr.Run(), run::kExitNoMedia);
    EXPECT_EQ(cdr.run->destinationRoot, "f:\\");
    EXPECT_TRUE(cdr.run->copySession.cdrMode);

    EXPECT_FALSE(CdrModeFor("e:\\", options::kAllDriveLetters));
    EXPECT_TRUE(CdrModeFor("E:\\", "abcd"));
    EXPECT_FALSE(CdrModeFor("E:\\", "ABCDE"));
}

TEST(CopyJob, ADirectoryProblemIsAskedAboutUntilFixedSkippedOrGivenUp) {
    const std::string sourceError =
        "Your source directory \"d:\\nosuch\\\" is wrong somehow, sorry (I clipped it)";
    const std::string problem = "Some kind of problem with source: d:\\nosuch\\; try again?";

    AppWorld skipped({"d:\\nosuch\\", "e:\\dst\\", "-r", "-ld:\\run.log"});
    skipped.op.ExpectError(sourceError);
    skipped.op.ExpectMedia(problem, run::MediaAnswer::Skip);
    EXPECT_EQ(skipped.Run(), 0);  // nothing copied, nothing failed
    EXPECT_FALSE(skipped.drives.Exists("e/dst"));

    AppWorld gaveUp({"d:\\nosuch\\", "e:\\dst\\", "-r", "-ld:\\run.log"});
    gaveUp.op.ExpectError(sourceError);
    gaveUp.op.ExpectMedia(problem, run::MediaAnswer::GiveUp);
    gaveUp.op.ExpectError("Sorry: CheckDirectories");
    EXPECT_EQ(gaveUp.Run(), run::kExitBadDirectories);

    AppWorld fixed({"d:\\nosuch\\", "e:\\dst\\", "-r", "-ld:\\run.log"});
    fixed.op.ExpectError(sourceError);
    fixed.op.ExpectMedia(problem, run::MediaAnswer::TryAgain,
                         [&fixed](const run::MediaQuestion& question, run::MediaDialogActions&) {
                             EXPECT_TRUE(question.showSkip);
                             std::filesystem::create_directories(fixed.drives.Host("d/nosuch"));
                             fixed.drives.Write("d/nosuch/c.txt", "gamma");
                         });
    EXPECT_EQ(fixed.Run(), 0);
    EXPECT_EQ(fixed.drives.Read("e/dst/c.txt"), "gamma");
}

TEST(CopyJob, RefusesADestinationThatIsTheSourceOrInsideIt) {
    const auto refused = [](std::vector<std::string> arguments, const std::string& destination) {
        AppWorld world(std::move(arguments));
        world.op.ExpectError("Destination \"" + destination +
                             "\" is the source or lies inside it; the copy would overwrite "
                             "itself (I clipped it)");
        world.op.ExpectMedia(
            "Some kind of problem with destination: " + destination + "; try again?",
            run::MediaAnswer::GiveUp);
        world.op.ExpectError("Sorry: CheckDirectories");
        EXPECT_EQ(world.Run(), run::kExitBadDirectories);
        EXPECT_EQ(world.drives.Read("d/src/a.txt"), "alpha");
        EXPECT_FALSE(world.drives.Exists("d/src/sub/sub"));
    };
    refused({"d:\\src\\", "d:\\src\\", "-r", "-ld:\\run.log"}, "d:\\src\\");
    refused({"d:\\src\\", "d:\\src\\sub\\", "-s", "-r", "-ld:\\run.log"}, "d:\\src\\sub\\");

    // Without subdirectories a destination below the source is only another directory.
    AppWorld below({"d:\\src\\", "d:\\src\\sub\\", "-r", "-ld:\\run.log"});
    EXPECT_EQ(below.Run(), 0);
    EXPECT_EQ(below.drives.Read("d/src/sub/a.txt"), "alpha");
}

TEST(IsWellFormedPath, WantsADriveAndABackslashOrTwoBackslashes) {
    AppWorld world({"-x"});
    run::RunState& run = world.MakeRun();
    EXPECT_TRUE(IsWellFormedPath(run, "d:\\x"));
    EXPECT_TRUE(IsWellFormedPath(run, "Z:\\"));
    EXPECT_TRUE(IsWellFormedPath(run, "\\\\x"));
    for (const char* bad : {"c:", "c:dir", "1:\\x", "\\x\\y", ""}) {
        world.op.ExpectError(std::string("Sorry your directory {") + bad +
                             "} is badly formed; I want at least d:\\blahblah or \\\\blahblah. "
                             "Bye....");
        EXPECT_FALSE(IsWellFormedPath(run, bad)) << bad;
    }
}

}  // namespace
}  // namespace brenx::app
