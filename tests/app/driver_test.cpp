#include <gtest/gtest.h>

#include <filesystem>

#include "app/app_world.h"
#include "app/completion.h"
#include "app/kept_messages.h"
#include "options/log_file.h"
#include "run/exit_codes.h"
#include "run/log_loss.h"

namespace brenx::app {
namespace {

using testing::AppWorld;
using testing::kStartNote;

// A spec file of three jobs: the second copies part of the first, the third
// the first again, so three files are skipped as not newer.
void WriteSpecJobs(platform::testing::TempDrives& drives) {
    drives.Write("d/brenx.ini", "[brenx]\r\nsource=@d:\\jobs.txt\r\ndestination=e:\\dst\\\r\n");
    drives.Write("d/jobs.txt", "d:\\src\\|s\r\nd:\\src\\sub\\|\r\nd:\\src\\|s\r\n");
}

TEST(RunJobs, AsksTheStartQuestionOnceOverASpecFileOfThreeJobs) {
    AppWorld world({"-id:\\brenx.ini", "-ld:\\run.log"}, WriteSpecJobs);
    world.op.ExpectConfirm("Brenx from d:\\src\\ to e:\\dst\\src\\?\r\n" + kStartNote, true, false);
    world.op.ExpectInfo("Amazingly finished your @ spec sans error! I suppose... (3 skips)");
    world.op.ExpectInfo(
        "3 skipped because source was older than or same date as destination (check log for "
        "\"NewerOnly\"?).");
    EXPECT_EQ(world.Run(), 0);
    EXPECT_EQ(world.drives.Read("e/dst/src/sub/b.txt"), "beta");
    EXPECT_EQ(world.run->counters.newerSkipped, 3);
    EXPECT_EQ(world.board.Banner(), run::BannerLook::Success);
    // Every destination that received files is flushed once, before the
    // banner; the second job's files were all passed over as not newer.
    EXPECT_EQ(world.fs.flushed, (std::vector<std::string>{"e:\\dst\\src\\"}));
}

TEST(RunJobs, StartsWithoutAQuestionWhenToldNotToAsk) {
    AppWorld unasked({"-id:\\brenx.ini", "-ld:\\run.log", "-n"}, WriteSpecJobs);
    unasked.Settings().AlwaysConfirm = false;
    unasked.op.ExpectInfo("Amazingly finished your @ spec sans error! I suppose... (0 skips)");
    EXPECT_EQ(unasked.Run(), 0);
    EXPECT_TRUE(unasked.run->flags.askedOnce);

    // FailOnSkips fails the list's run before its banner and closing notice.
    AppWorld failing({"-id:\\brenx.ini", "-ld:\\run.log", "-n", "-failonskips"}, WriteSpecJobs);
    failing.Settings().AlwaysConfirm = false;
    failing.MakeRun().counters.optionSkips = 2;
    failing.op.ExpectError("Sorry: 2 files were skipped, and FailOnSkips fails a run with skips");
    failing.op.ExpectError(
        "2 files skipped because of a \"skip\" option (check log for \"skip:\"?).");
    EXPECT_EQ(failing.Run(), run::kExitFilesSkipped);

    // noprompt: no question, and none of the closing notices either.
    AppWorld quiet({"-id:\\brenx.ini", "-ld:\\run.log", "-r"}, WriteSpecJobs);
    EXPECT_EQ(quiet.Run(), 0);
    EXPECT_FALSE(quiet.run->flags.askedOnce);
}

TEST(RunJobs, AWarningAnsweredNoEndsTheRunBeforeAnyJob) {
    AppWorld world({"d:\\src\\", "e:\\dst\\", "-ld:\\run.log"});
    world.Settings().warning = "the tape is old";
    world.op.ExpectConfirm("Warning: the tape is old; continue?", false, true);
    world.op.ExpectError("Sorry: Warning was heeded by user");
    EXPECT_EQ(world.Run(), run::kExitWarningHeeded);
    EXPECT_FALSE(world.drives.Exists("e/dst"));
}

TEST(RunJobs, TheWindowStaysOpenOnlyWhenTheTidyProgramFailsToStart) {
    AppWorld started({"d:\\src\\", "e:\\dst\\", "-ld:\\run.log", "-r"});
    started.Settings().tidy = "d:\\prog\\tidy.exe";
    const RunEnd fine = started.RunToEnd();
    EXPECT_EQ(fine.exitCode, 0);
    EXPECT_TRUE(fine.windowCloses);
    EXPECT_TRUE(started.run->flags.closeAllowed);

    AppWorld failed({"d:\\src\\", "e:\\dst\\", "-ld:\\run.log", "-r"});
    failed.Settings().tidy = "d:\\prog\\tidy.exe";
    failed.starter.succeed = false;
    failed.op.ExpectError("tidy: Failure in WinExec(d:\\prog\\tidy.exe)");
    const RunEnd kept = failed.RunToEnd();
    EXPECT_EQ(kept.exitCode, run::kExitTidyStart);
    EXPECT_FALSE(kept.windowCloses);
    EXPECT_FALSE(failed.run->flags.closeAllowed);
}

TEST(RunJobs, AJobThatCannotStartShowsTheVersionPromptAndNoApology) {
    AppWorld world({"d:\\src\\", "-ld:\\run.log"});
    world.op.ExpectConfirm(
        "Unknown option (no destination); brenx version 2/18/2015; see html help (" +
            world.Settings().helphtm + ")?",
        false);
    EXPECT_EQ(world.Run(), run::kExitVersionPrompt);
    EXPECT_EQ(world.board.Banner(), run::BannerLook::Failure);
}

TEST(DispatchJob, TriesTheJobKindsInTheirOrder) {
    struct Case {
        const char* label;
        std::string question;
        std::int32_t exitCode;
        std::string apology;
    };
    const Case cases[] = {
        {"Execute: ", "Execute \"d:\\tool\" over and over again?" + kStartNote, 17,
         "Sorry: User cancelled"},
        {"Crush arcs: ", "Crush arc bits on bunches of files?", 17, "Sorry: User cancelled"},
        {"Read: ", "Read a bunch of files on e:\\dst\\?" + kStartNote, 17, "Sorry: User cancelled"},
        // Verify asks its own start question; a verify that did not run fails.
        {"Verify: ", "Verify \"d:\\old.log\"?" + kStartNote, 8, "Sorry: User cancelled"},
    };
    for (std::size_t kind = 0; kind < std::size(cases); ++kind) {
        AppWorld world({"d:\\src\\", "e:\\dst\\", "-ld:\\run.log"});
        options::JobSettings& settings = world.Settings();
        // Every later kind is set too: the earlier kind wins.
        settings.program = kind <= 0 ? "d:\\tool" : "";
        settings.stopbak = kind <= 1;
        settings.read = kind <= 2;
        settings.verify = "d:\\old.log";
        world.op.ExpectConfirm(cases[kind].question, false, false);
        world.op.ExpectError(cases[kind].apology);
        EXPECT_EQ(world.Run(), cases[kind].exitCode) << cases[kind].label;
        EXPECT_EQ(world.run->jobLabel, cases[kind].label);
        EXPECT_TRUE(world.run->copySession.cdrMode);  // copy jobs alone work out their CD-R mode
    }
}

TEST(DispatchJob, NamesTheSettingsFileUnlessTheRunKeptItClosed) {
    AppWorld missing({"d:\\src\\", "e:\\dst\\", "-r"});
    EXPECT_EQ(missing.Run(), 0);
    EXPECT_EQ(missing.board.Text(run::BoardText::SettingsFile), "(d:\\prog\\brenx.ini?\?)");

    // -x: no file was missed, so none is named.
    AppWorld closed({"d:\\src\\", "e:\\dst\\", "-r", "-x"},
                    [](platform::testing::TempDrives& drives) {
                        drives.Write("d/prog/brenx.ini", "[brenx]\r\n");
                    });
    EXPECT_EQ(closed.Run(), 0);
    EXPECT_EQ(closed.board.Text(run::BoardText::SettingsFile), "");
}

TEST(Completion, SkipMessagesPassUpToSkipsOkSkipsSilently) {
    AppWorld world({"-x"});
    run::RunState& run = world.MakeRun();
    run.counters.newerSkipped = 1;
    SkipMessages(run);  // one skip with skips_ok 1: nothing to say

    run.counters.autoSkips = 1;
    run.counters.optionSkips = 2;
    world.op.ExpectError("There were 1 BLRautoSkips; might want to look into that (check log?).");
    world.op.ExpectInfo(
        "1 skipped because source was older than or same date as destination (check log for "
        "\"NewerOnly\"?).");
    world.op.ExpectError(
        "2 files skipped because of a \"skip\" option (check log for \"skip:\"?).");
    SkipMessages(run);
    world.op.ExpectScriptDone();

    // noskipmsg: files not newer neither count nor get a message.
    world.Settings().noskipmsg = true;
    world.Settings().skips_ok = 3;
    SkipMessages(run);
    EXPECT_EQ(SkipTotal(run), 3);

    // noprompt keeps only the BLRautoSkip and CRC-error messages, which come
    // whatever skips_ok says.
    world.Settings().noskipmsg = false;
    world.Settings().noprompt = true;
    world.Settings().skips_ok = 1;
    run.counters.crcErrors = 4;
    world.op.ExpectError("There were 1 BLRautoSkips; might want to look into that (check log?).");
    world.op.ExpectError("4 crc errors (check log for \"crc sb\"?).");
    SkipMessages(run);
    world.op.ExpectScriptDone();

    world.Settings().skips_ok = 100;
    world.op.ExpectError("4 crc errors (check log for \"crc sb\"?).");
    SkipMessages(run);
}

TEST(Completion, TellsOnceHowManyDatesAndArchiveBitsDidNotTake) {
    // A medium that ignores dates: both copies keep the time they were made,
    // which the run says once at its end, even with -r; the run succeeds.
    AppWorld world({"d:\\src\\", "e:\\dst\\", "-s", "-r", "-ld:\\run.log"});
    platform::DosDateFields old;
    old.year = 2018;
    for (const char* file : {"d:\\src\\a.txt", "d:\\src\\sub\\b.txt"})
        world.fs.SetFileDate(file, platform::PackDosDateTime(old));
    world.fs.IgnoreCall(platform::FsCall::HandleSetDate, 1, true);
    const std::string dates =
        "2 copies kept a wrong date (the medium didn't take their sources' dates); the next "
        "NewerOnly or DifferentOnly run decides by them (check log for \"date\"?).";
    world.op.ExpectError(dates);
    EXPECT_EQ(world.Run(), 0);
    const std::string log = world.drives.Read("d/run.log");
    EXPECT_NE(log.find("Date didn't take on e:\\dst\\sub\\b.txt: sb "), std::string::npos);
    EXPECT_NE(log.find(dates + "\r\n"), std::string::npos);

    world.run->counters.wrongDates = 0;
    world.run->counters.archiveKept = 1;
    world.op.ExpectError(
        "1 archive bit couldn't be cleared; the next arconly copy takes that file again (check "
        "log for \"archive bit\"?).");
    KeptMessages(*world.run);

    world.run->counters.archiveKept = 0;
    world.run->counters.passedOver = 2;
    world.op.ExpectError(
        "2 entries were passed over for something screwy about them (check log for \"Passed "
        "over\"?).");
    KeptMessages(*world.run);
}

// A lost CRC line is a copy without its proof: the run fails (23), and the
// operator hears of the loss before the banner, which is the failure one.
TEST(Completion, ARunThatLostACrcLineFailsAndSaysSoBeforeTheBanner) {
    const std::vector<std::string> logs = {"d:\\nodir\\run.log", "d:\\logdir"};
    for (const std::string& path : logs) {
        AppWorld world({"d:\\src\\", "e:\\dst\\", "-r", "-l" + path},
                       [](platform::testing::TempDrives& drives) {
                           std::filesystem::create_directories(drives.Host("d/logdir"));
                       });
        options::Log lost(world.fs, path);
        // As many as the run writes before its banner: the header, the CRC
        // line of a.txt, the totals.
        for (int entry = 0; entry < 3; ++entry)
            lost.Write("entry");
        world.op.ExpectError(run::LogLossSummary(lost));
        world.op.ExpectError("Sorry: the CRC line of 1 copied file couldn't be written to " + path);
        EXPECT_EQ(world.Run(), run::kExitCrcLinesLost) << path;
        EXPECT_EQ(world.log->LostCrcLines(), 1);
        EXPECT_EQ(world.board.Banner(), run::BannerLook::Failure);
        EXPECT_EQ(world.drives.Read("e/dst/a.txt"), "alpha");  // the copy itself stays
        EXPECT_FALSE(world.drives.Exists("e/dst/brun.log"));
    }

    // After the last job of a spec file too: no closing notice of success.
    AppWorld spec({"-id:\\brenx.ini", "-ld:\\nodir\\run.log", "-n"}, WriteSpecJobs);
    spec.Settings().AlwaysConfirm = false;
    spec.op.ExpectError(
        "6 log entries could not be written to d:\\nodir\\run.log (a directory on the way is not "
        "there). The log is incomplete: a file whose CRC line is missing cannot be verified "
        "against it.");
    spec.op.ExpectError(
        "Sorry: the CRC lines of 2 copied files couldn't be written to d:\\nodir\\run.log");
    EXPECT_EQ(spec.Run(), run::kExitCrcLinesLost);
    EXPECT_EQ(spec.board.Banner(), run::BannerLook::Failure);
}

}  // namespace
}  // namespace brenx::app

namespace brenx::app {
namespace {

TEST(PrepareJob, SetsUpTheRunOnceFromTheOptions) {
    AppWorld world({"-x", "-v::e:\\logs\\a.crc"});
    world.Settings().RandomWait = 1000;
    world.Settings().RandomEject = 5000;
    world.Settings().RandomTime = 90;
    world.Settings().noise = "d:\\src\\a.txt";  // any file will do as the sound
    world.MakeRun();
    world.driver->PrepareJob();
    const run::RunState& run = *world.run;
    EXPECT_EQ(run.copySession.nextWaitAt, 1000);
    EXPECT_EQ(run.copySession.nextEjectAt, 5000);
    EXPECT_EQ(world.board.Text(run::BoardText::RandomWaitCaption), "Random wait (90\")");
    // "-v::" presets the verify root; the run does not read fakeverify then.
    EXPECT_EQ(run.verifySession.root, "e");
    EXPECT_EQ(world.op.AlarmSound(), world.drives.Host("d/src/a.txt"));
    EXPECT_EQ(world.board.PlacementRestores(), 1);
    EXPECT_EQ(world.board.Text(run::BoardText::DestinationCaption), "Destination:");

    // A sound that is not there sounds no alarm; fakeverify gives the root.
    AppWorld other({"d:\\src\\", "e:\\dst\\"});
    other.Settings().noise = "d:\\missing.wav";
    other.Settings().fakeverify = "f:\\copy";
    other.MakeRun();
    other.driver->PrepareJob();
    EXPECT_EQ(other.op.AlarmSound(), "");
    EXPECT_EQ(other.run->verifySession.root, "f:\\copy");

    // Later jobs only clear the stop flags.
    world.run->flags.stopRequested = world.run->flags.closeAllowed = true;
    world.run->copySession.nextWaitAt = 7;
    world.driver->PrepareJob();
    EXPECT_FALSE(run.flags.stopRequested || run.flags.closeAllowed);
    EXPECT_EQ(run.copySession.nextWaitAt, 7);
    EXPECT_EQ(world.board.PlacementRestores(), 1);
}

}  // namespace
}  // namespace brenx::app
