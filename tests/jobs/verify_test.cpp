#include "jobs/verify.h"

#include <gtest/gtest.h>

#include <string>

#include "jobs/jobs_world.h"
#include "run/exit_codes.h"
#include "run/show_status.h"
#include "support/safe_format.h"

namespace brenx::jobs {
namespace {

using testing::CrcLine;
using testing::CrcOf;
using testing::JobsWorld;
using testing::Lines;
using testing::Pattern;

constexpr const char* kScreenSaverNote =
    "\r\n(you might consider disabling screen savers, Tiny Elvis, whatever; Adaptec DirectCD CDR "
    "file writer might explode because of them, or then again it might've been moon phase...)";

constexpr const char* kCannotRead =
    "Couldn't ReadBFile(%s)!?; Try again? (wait awhile for new cd?)";

// The question about a file that cannot be read, with its reason.
std::string Question(const std::string& name, const std::string& reason) {
    return support::SafeFormat(kCannotRead, {name}) + "\r\n(" + reason + ")";
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Two files on e: and the log a copy of them would leave on d:.
struct CopiedTree {
    explicit CopiedTree(JobsWorld& world) {
        world.Put("e/data/a.txt", a);
        world.Put("e/data/sub/b.bin", b);
        world.Put("d/copy.log",
                  Lines({std::string(options::kLogSeparator), "brenx d:\\src\\ e:\\data\\ x y",
                         CrcLine("e:\\data\\a.txt", a), "unrelated entry",
                         CrcLine("e:\\data\\sub\\b.bin", b)}));
        world.Settings().verify = "d:\\copy.log";
    }
    std::string a = "alpha\r\n";
    std::string b = Pattern(200000);
};

TEST(RunVerify, AnUnchangedCopyVerifiesWithoutErrors) {
    JobsWorld world;
    CopiedTree tree(world);
    world.run.flags.askedOnce = false;
    world.op.ExpectConfirm(std::string("Verify \"d:\\copy.log\"?") + kScreenSaverNote, true, false);
    EXPECT_TRUE(RunVerify(world.run));
    EXPECT_EQ(world.run.verdict.Code(), 0);

    EXPECT_EQ(world.run.counters.fileCount, 2);
    EXPECT_EQ(world.run.counters.byteCount, 200007);
    EXPECT_EQ(world.run.counters.cdByteCount, 200007);
    EXPECT_EQ(world.run.counters.crcErrors, 0);
    EXPECT_EQ(world.run.verdict.Reason(), "verify error");

    const std::string log = world.LogText();
    EXPECT_EQ(log.find(std::string(options::kLogSeparator) + "\r\nbrenx [verify] d:\\copy.log "),
              0u);
    EXPECT_TRUE(Contains(log,
                         "Verified 2 files from log d:\\copy.log had correct checksums; 0 "
                         "files had bad checksums\r\n"));

    using run::BoardText;
    EXPECT_EQ(world.board.Text(BoardText::DestinationCaption), "CRC log file:");
    EXPECT_EQ(world.board.Text(BoardText::Destination), "d:\\copy.log");
    EXPECT_EQ(world.board.Text(BoardText::Source), "");
    EXPECT_FALSE(world.board.SourceCaptionShown());
    EXPECT_EQ(world.board.Text(BoardText::FileName), "e:\\data\\sub\\b.bin");
    EXPECT_EQ(world.board.Text(BoardText::Status),
              std::string("#2 ") + run::kStatusDash + " 200,007 bytes (0 crc errors)");
    EXPECT_GE(world.board.EchoUpdates(), 1);
}

TEST(RunVerify, AChangedByteIsCountedLoggedAndFailsTheJob) {
    JobsWorld world;
    CopiedTree tree(world);
    std::string damaged = tree.a;
    damaged[2] ^= 0x01;
    world.Put("e/data/a.txt", damaged);

    EXPECT_FALSE(RunVerify(world.run));
    // Every file was still checked and logged.
    EXPECT_EQ(world.run.counters.fileCount, 2);
    EXPECT_EQ(world.run.counters.crcErrors, 1);
    const std::string mismatch = support::SafeFormat(
        "d:\\copy.log #3, file e:\\data\\a.txt: crc sb %x, but is %x (filecount: 1; bytecount: "
        "7; cd_bytecount: 7)",
        {CrcOf(tree.a), CrcOf(damaged)});
    EXPECT_EQ(world.run.verdict.Reason(), mismatch);
    const std::string log = world.LogText();
    EXPECT_TRUE(Contains(log, mismatch + "\r\n"));
    EXPECT_TRUE(Contains(log, " crc sb "));
    EXPECT_TRUE(Contains(log,
                         "Verified 1 files from log d:\\copy.log had correct checksums; 1 "
                         "files had bad checksums"));
    EXPECT_EQ(world.board.Text(run::BoardText::Status),
              std::string("#2 ") + run::kStatusDash + " 200,007 bytes (1 crc errors)");
}

TEST(RunVerify, WithoutVerifyCompleteAMismatchIsQuestioned) {
    JobsWorld world;
    CopiedTree tree(world);
    world.Settings().VerifyComplete = false;
    world.Put("e/data/a.txt", "alphA\r\n");
    const std::string mismatch = support::SafeFormat(
        "d:\\copy.log #3, file e:\\data\\a.txt: crc sb %x, but is %x (filecount: 1; bytecount: "
        "7; cd_bytecount: 7)",
        {CrcOf(tree.a), CrcOf("alphA\r\n")});
    world.op.ExpectConfirm(mismatch + "; continue anyway?", false, true);
    EXPECT_FALSE(RunVerify(world.run));
    EXPECT_EQ(world.run.counters.fileCount, 1);
    EXPECT_EQ(world.op.Clipboard(), mismatch + "; continue anyway?");

    // Going on checks the rest; the job still fails for the bad file.
    JobsWorld again;
    CopiedTree tree2(again);
    again.Settings().VerifyComplete = false;
    again.Put("e/data/a.txt", "alphA\r\n");
    again.op.ExpectConfirm(mismatch + "; continue anyway?", true);
    EXPECT_FALSE(RunVerify(again.run));
    EXPECT_EQ(again.run.counters.fileCount, 2);
    EXPECT_EQ(again.run.verdict.Reason(), mismatch);
}

TEST(RunVerify, ReadsTheCrcFieldInEitherCaseAndIgnoresWhatFollows) {
    JobsWorld world;
    const std::string content = Pattern(5000, 7);
    world.Put("e/f.bin", content);
    const std::string crc = support::SafeFormat("%x", {CrcOf(content)});
    std::string lower = crc;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    world.Put("d/case.log", Lines({"|e:\\f.bin|" + crc, "|e:\\f.bin|" + lower,
                                   "|e:\\f.bin|" + lower + "  copied at 12:00",
                                   "|e:\\f.bin|" + crc + "\t(tab, then text)"}));
    world.Settings().verify = "d:\\case.log";
    EXPECT_TRUE(RunVerify(world.run));
    EXPECT_EQ(world.run.counters.fileCount, 4);
    EXPECT_EQ(world.run.counters.crcErrors, 0);

    // A blank right after the second bar expects a CRC of 0.
    world.Put("d/blank.log", Lines({"|e:\\f.bin| " + crc}));
    world.Settings().verify = "d:\\blank.log";
    EXPECT_FALSE(RunVerify(world.run));
    EXPECT_EQ(world.run.counters.crcErrors, 1);
    EXPECT_TRUE(Contains(world.run.verdict.Reason(), ": crc sb 0, but is " + crc + " ("));
}

TEST(RunVerify, ALineWithoutItsSecondBarIsQuestioned) {
    JobsWorld world;
    world.Put("e/a.txt", "a");
    world.Put("d/bars.log", Lines({"|", "|e:\\no-second-bar", CrcLine("e:\\a.txt", "a")}));
    world.Settings().verify = "d:\\bars.log";
    world.op
        .ExpectConfirm("2nd | missing from line #1 in d:\\bars.log; ignore and continue?", true,
                       true)
        .ExpectConfirm("2nd | missing from line #2 in d:\\bars.log; ignore and continue?", true);
    EXPECT_TRUE(RunVerify(world.run));
    EXPECT_EQ(world.run.counters.fileCount, 1);
    EXPECT_TRUE(Contains(world.LogText(), "2nd | missing from line #1 in d:\\bars.log\r\n"));
    EXPECT_TRUE(Contains(world.LogText(), "2nd | missing from line #2 in d:\\bars.log\r\n"));

    world.op.ExpectConfirm("2nd | missing from line #1 in d:\\bars.log; ignore and continue?",
                           false);
    EXPECT_FALSE(RunVerify(world.run));
    EXPECT_EQ(world.run.verdict.Reason(), "2nd | missing from line #1 in d:\\bars.log");
    EXPECT_EQ(world.run.counters.fileCount, 1);
}

// Two CRC lines run together on one line (a lost line end, a torn write)
// never count as the first file alone.
TEST(RunVerify, LinesRunTogetherAreQuestionedAndNeverCounted) {
    JobsWorld world;
    world.Put("e/a.txt", "a");
    world.Put("e/b.txt", "b");
    world.Put("d/glued.log", Lines({CrcLine("e:\\a.txt", "a") + CrcLine("e:\\b.txt", "b"),
                                    CrcLine("e:\\b.txt", "b")}));
    world.Settings().verify = "d:\\glued.log";
    const std::string reason = "3rd | in line #1 in d:\\glued.log (lines run together)";
    world.op.ExpectConfirm(reason + "; ignore and continue?", false, true);
    EXPECT_FALSE(RunVerify(world.run));
    EXPECT_EQ(world.run.verdict.Reason(), reason);
    EXPECT_EQ(world.run.counters.fileCount, 0);
    EXPECT_TRUE(Contains(world.LogText(), reason + "\r\n"));

    world.op.ExpectConfirm(reason + "; ignore and continue?", true);
    EXPECT_TRUE(RunVerify(world.run));
    EXPECT_EQ(world.run.counters.fileCount, 1);
}

TEST(RunVerify, ShowsMessageLinesWhereTheyStand) {
    JobsWorld world;
    world.Put("e/a.txt", "a");
    world.Put("d/msg.log", Lines({"|:Insert disk 2", CrcLine("e:\\a.txt", "a"),
                                  options::MessageLogLine("Changed Media")}));
    world.Settings().verify = "d:\\msg.log";
    world.op.ExpectLogMessage("Insert disk 2").ExpectLogMessage("Changed Media");
    EXPECT_TRUE(RunVerify(world.run));
    EXPECT_EQ(world.run.counters.fileCount, 1);
    // The messages are not put on the clipboard.
    EXPECT_EQ(world.op.ClipboardWrites(), 0);
}

TEST(RunVerify, AsksAfterAThousandLinesWithoutACrcLine) {
    JobsWorld world;
    std::string text;
    for (int i = 0; i < 1200; ++i)
        text += "just some log text\r\n";
    world.Put("d/plain.log", text);
    world.Settings().verify = "d:\\plain.log";
    world.op.ExpectConfirm("Read 1000 lines and still no crc-style spec; Give up?", true, true);
    EXPECT_FALSE(RunVerify(world.run));

    // Going on reads to the end; with nothing verified the operator decides.
    world.op.ExpectConfirm("Read 1000 lines and still no crc-style spec; Give up?", false)
        .ExpectConfirm("Finished but there no files to verify! Exit without error anyway?", true);
    EXPECT_TRUE(RunVerify(world.run));
    EXPECT_EQ(world.run.verdict.Code(), 0);

    // A log whose line 1000 is a CRC line never asks.
    world.Put("e/a.txt", "a");
    std::string crcAt1000;
    for (int i = 0; i < 999; ++i)
        crcAt1000 += "text\r\n";
    crcAt1000 += CrcLine("e:\\a.txt", "a") + "\r\n";
    world.Put("d/late.log", crcAt1000);
    world.Settings().verify = "d:\\late.log";
    EXPECT_TRUE(RunVerify(world.run));
    EXPECT_EQ(world.run.counters.fileCount, 1);

    world.op.ExpectConfirm("Finished but there no files to verify! Exit without error anyway?",
                           false);
    world.run.counters.fileCount = 0;
    world.Put("d/empty.log", "");
    world.Settings().verify = "d:\\empty.log";
    EXPECT_FALSE(RunVerify(world.run));
}

TEST(RunVerify, ReadsALastLineWithoutALineEnd) {
    JobsWorld world;
    world.Put("e/a.txt", "a");
    world.Put("d/open.log", CrcLine("e:\\a.txt", "b"));
    world.Settings().verify = "d:\\open.log";
    EXPECT_FALSE(RunVerify(world.run));
    EXPECT_EQ(world.run.counters.fileCount, 1);
    EXPECT_EQ(world.run.counters.crcErrors, 1);
}

TEST(RunVerify, AFileThatCannotBeReadIsPutToTheOperator) {
    JobsWorld world;
    world.Put("e/a.txt", "a");
    world.Put("d/miss.log", Lines({"|e:\\gone.txt|0", CrcLine("e:\\a.txt", "a")}));
    world.Settings().verify = "d:\\miss.log";
    world.run.jobMode = run::JobMode::Verify;
    world.op.ExpectMedia(Question("e:\\gone.txt", "the file is not there"), run::MediaAnswer::Skip);
    EXPECT_TRUE(RunVerify(world.run));
    // A skipped file counts nowhere but among the skips, which the log tells.
    EXPECT_EQ(world.run.counters.fileCount, 1);
    EXPECT_EQ(world.run.counters.byteCount, 1);
    EXPECT_EQ(world.run.counters.crcErrors, 0);
    EXPECT_EQ(world.run.counters.operatorSkips, 1);
    EXPECT_NE(world.LogText().find("operator skip: ReadBFile(e:\\gone.txt), not verified\r\n"),
              std::string::npos);
    EXPECT_NE(world.LogText().find("0 files had bad checksums\r\n1 files skipped (1 by the "
                                   "operator, 0 by skip options, 0 BLRautoSkips)\r\n"),
              std::string::npos);
    ASSERT_EQ(world.op.MediaQuestions().size(), 1u);
    EXPECT_TRUE(world.op.MediaQuestions()[0].showSkip);
    EXPECT_TRUE(world.op.MediaQuestions()[0].showFixSource);
    // The drive-letter dialog was made ready for the logged name.
    EXPECT_EQ(world.run.verifySession.driveLetters.Text(), "e");
    EXPECT_EQ(world.run.verifySession.driveLetters.Caption(), "jiggery verify: \"e:\\gone.txt\"");

    world.op.ExpectMedia(Question("e:\\gone.txt", "the file is not there"),
                         run::MediaAnswer::GiveUp);
    EXPECT_FALSE(RunVerify(world.run));

    // Trying again after the file came back reads it.
    world.op.ExpectMedia(
        Question("e:\\gone.txt", "the file is not there"), run::MediaAnswer::TryAgain,
        [&](const run::MediaQuestion&, run::MediaDialogActions&) { world.Put("e/gone.txt", ""); });
    EXPECT_TRUE(RunVerify(world.run));
}

TEST(RunVerify, AReadErrorInTheMiddleOfAFileIsAMediaQuestionNotARead) {
    JobsWorld world;
    const std::string big = Pattern(300000, 3);
    world.Put("e/big.bin", big);
    world.Put("d/big.log", Lines({CrcLine("e:\\big.bin", big)}));
    world.Settings().verify = "d:\\big.log";
    // Read 1 is the log; reads 2 on are the file's blocks.
    world.fs.FailCall(platform::FsCall::Read, 3, platform::HostError::IoError);
    world.op.ExpectMedia(Question("e:\\big.bin", "input/output error"), run::MediaAnswer::TryAgain);
    EXPECT_TRUE(RunVerify(world.run));
    // Counted once, with all its bytes, from the read that reached the end.
    EXPECT_EQ(world.run.counters.fileCount, 1);
    EXPECT_EQ(world.run.counters.byteCount, 300000);
    EXPECT_EQ(world.run.counters.crcErrors, 0);

    JobsWorld skip;
    skip.Put("e/big.bin", big);
    skip.Put("d/big.log", Lines({CrcLine("e:\\big.bin", big)}));
    skip.Settings().verify = "d:\\big.log";
    skip.fs.FailCall(platform::FsCall::Read, 3, platform::HostError::IoError);
    skip.op.ExpectMedia(Question("e:\\big.bin", "input/output error"), run::MediaAnswer::Skip)
        .ExpectConfirm("Finished but there no files to verify! Exit without error anyway?", false);
    EXPECT_FALSE(RunVerify(skip.run));
    EXPECT_EQ(skip.run.counters.fileCount, 0);
    EXPECT_EQ(skip.run.counters.byteCount, 0);
}

TEST(RunVerify, ALogThatCannotBeReadFailsTheJob) {
    JobsWorld world;
    world.Settings().verify = "d:\\missing.log";
    const std::string sorry =
        "Sorry couldn't open verify log d:\\missing.log\r\n(the file is not there)";
    world.op.ExpectError(sorry);
    EXPECT_FALSE(RunVerify(world.run));
    EXPECT_EQ(world.op.Clipboard(), sorry);

    // A log that fails in the middle is not taken for a short one.
    world.Put("e/a.txt", "a");
    world.Put("d/bad.log", Lines({CrcLine("e:\\a.txt", "a")}));
    world.Settings().verify = "d:\\bad.log";
    world.fs.FailCall(platform::FsCall::Read, 1, platform::HostError::IoError);
    EXPECT_FALSE(RunVerify(world.run));
    EXPECT_EQ(world.run.counters.fileCount, 0);
    EXPECT_TRUE(Contains(world.run.verdict.Reason(), "Couldn't read verify log d:\\bad.log"));
}

TEST(RunVerify, EndsEarlyForTheStartQuestionTheHelpMarkAndTheStopButton) {
    JobsWorld world;
    CopiedTree tree(world);
    world.run.flags.askedOnce = false;
    world.op.ExpectConfirm(std::string("Verify \"d:\\copy.log\"?") + kScreenSaverNote, false);
    EXPECT_FALSE(RunVerify(world.run));
    EXPECT_EQ(world.run.verdict.Code(), run::kExitUserCancelled);
    EXPECT_FALSE(world.drives.Exists("d/run.log"));
    world.run.verdict.Ok();

    world.Settings().asked_help = true;
    world.op.ExpectConfirm(
        "Unknown option (? on command line); brenx version 2/18/2015; see html help "
        "(brenxhtm\\brenfrm.htm)?",
        false);
    EXPECT_FALSE(RunVerify(world.run));
    EXPECT_EQ(world.run.verdict.Code(), run::kExitVersionPrompt);
    EXPECT_EQ(world.run.counters.fileCount, 0);

    JobsWorld stopped;
    CopiedTree tree2(stopped);
    stopped.op.PressStop();
    stopped.op.ExpectConfirm("Give up now?", true);
    EXPECT_FALSE(RunVerify(stopped.run));
    EXPECT_EQ(stopped.run.verdict.Code(), run::kExitGaveUp);
    EXPECT_EQ(stopped.run.counters.fileCount, 0);
}

TEST(RunVerify, NodataComparesEveryFileWithTheCrcOfNothing) {
    JobsWorld world;
    world.Put("e/a.txt", "a");
    world.Put("e/empty.txt", "");
    world.Put("d/nd.log", Lines({CrcLine("e:\\a.txt", "a"), CrcLine("e:\\empty.txt", "")}));
    world.Settings().verify = "d:\\nd.log";
    world.Settings().nodata = true;
    EXPECT_FALSE(RunVerify(world.run));
    EXPECT_EQ(world.run.counters.fileCount, 2);
    EXPECT_EQ(world.run.counters.byteCount, 0);
    EXPECT_EQ(world.run.counters.crcErrors, 1);
    // Only the log was read, in one go.
    EXPECT_EQ(world.fs.Calls(platform::FsCall::Read), 1);
}

}  // namespace
}  // namespace brenx::jobs
