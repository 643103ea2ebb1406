#include "run/ask_media.h"

#include <gtest/gtest.h>

#include "run/exit_codes.h"
#include "run/run_world.h"
#include "support/log_wrap.h"

namespace brenx::run {
namespace {

using testing::RunWorld;

constexpr const char* kNoMedia =
    "You might consider inserting some destination media for %s if you expect this thing to "
    "work.";

TEST(AskMedia, AFailedRunAsksNothingAndLogsNothing) {
    RunWorld world;
    world.run.verdict.Fail(kExitNoMedia, "No media");
    world.run.jobMode = JobMode::Copy;
    EXPECT_EQ(AskMedia(world.run, kNoMedia, {"e:\\"}, false), MediaAnswer::None);
    EXPECT_TRUE(world.op.MediaQuestions().empty());
    EXPECT_FALSE(world.drives.Exists("d/run.log"));
    EXPECT_FALSE(world.board.WasSet(BoardText::FreeSpace));
}

TEST(AskMedia, LogsTheQuestionAndTheAnswerWrapped) {
    RunWorld world;
    const std::string text = support::SafeFormat(kNoMedia, {"e:\\"});
    world.op.ExpectMedia(text, MediaAnswer::Skip);
    EXPECT_EQ(AskMedia(world.run, kNoMedia, {"e:\\"}, true), MediaAnswer::Skip);
    const std::string entry = "Media (" + text + "\r\n):mrIGNORE";
    EXPECT_EQ(world.LogText(), support::WrapForLog(entry) + "\r\n");
    EXPECT_LE(world.LogText().find("\r\n"), 78u);  // wrapped at 78 columns

    // Each answer has its name; an empty format asks the last question again.
    world.op.ExpectMedia(text, MediaAnswer::GiveUp)
        .ExpectMedia(text, MediaAnswer::TryAgain)
        .ExpectMedia("a\r\nb", MediaAnswer::Other)
        .ExpectMedia("a\r\nb", MediaAnswer::None);
    EXPECT_EQ(AskMedia(world.run, "", {}, false), MediaAnswer::GiveUp);
    EXPECT_EQ(AskMedia(world.run, "", {}, false), MediaAnswer::TryAgain);
    EXPECT_EQ(AskMedia(world.run, "a\r\nb", {}, false), MediaAnswer::Other);
    EXPECT_EQ(AskMedia(world.run, "", {}, false), MediaAnswer::Other);
    const std::string log = world.LogText();
    EXPECT_NE(log.find("):mrCancel\r\n"), std::string::npos);
    EXPECT_NE(log.find("):mrOK\r\n"), std::string::npos);
    EXPECT_NE(log.find("Media (a\r\nb\r\n):Unknown\r\n\r\nMedia (a\r\nb\r\n):Unknown\r\n"),
              std::string::npos);
}

TEST(AskMedia, ShowsWhatTheJobOffers) {
    RunWorld world;
    world.Settings().RandomTime = 90;
    world.op.ExpectMedia("q", MediaAnswer::GiveUp)
        .ExpectMedia("q", MediaAnswer::GiveUp)
        .ExpectMedia("q", MediaAnswer::GiveUp);
    AskMedia(world.run, "q", {}, true);
    world.Settings().FormatProgram = "e:\\fmt.exe e:";
    world.run.jobMode = JobMode::Copy;
    AskMedia(world.run, "q", {}, false);
    world.run.jobMode = JobMode::Verify;
    AskMedia(world.run, "q", {}, false);

    const auto& asked = world.op.MediaQuestions();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_TRUE(asked[0].showSkip);
    EXPECT_TRUE(asked[0].showMinuteWait);
    EXPECT_FALSE(asked[0].showFormat);
    EXPECT_FALSE(asked[0].showFixSource);
    // The random-wait time shows in the captions; the wait takes a minute.
    EXPECT_EQ(asked[0].minuteWaitCaption, "wait 1.50'?");
    EXPECT_EQ(asked[0].minuteWaitBoxCaption, "1.50 minute wait");
    EXPECT_EQ(asked[0].minuteWaitTicks, 60);
    EXPECT_FALSE(asked[1].showSkip);
    EXPECT_TRUE(asked[1].showFormat);
    EXPECT_TRUE(asked[1].showMinuteWait);
    EXPECT_TRUE(asked[2].showFixSource);
    EXPECT_FALSE(asked[2].showFormat);
    EXPECT_FALSE(asked[2].showMinuteWait);
}

TEST(AskMedia, TryAgainStartsAPretendedMediaAfresh) {
    RunWorld world;
    world.run.counters.cdByteCount = 700;
    world.op.ExpectMedia("q", MediaAnswer::TryAgain);
    AskMedia(world.run, "q", {}, false);
    EXPECT_EQ(world.run.counters.cdByteCount, 700);  // fakesize 0: unchanged

    world.Settings().fakesize = 1000;
    world.op.ExpectMedia("q", MediaAnswer::Skip).ExpectMedia("q", MediaAnswer::TryAgain);
    AskMedia(world.run, "q", {}, true);
    EXPECT_EQ(world.run.counters.cdByteCount, 700);
    AskMedia(world.run, "q", {}, true);
    EXPECT_EQ(world.run.counters.cdByteCount, 0);
}

TEST(AskMedia, RefreshesTheFreeSpaceAroundTheQuestionInACopy) {
    RunWorld world;
    world.Settings().destination = "e:\\backup\\";
    world.Settings().fakesize = 1000;
    world.run.counters.cdByteCount = 400;
    world.op.ExpectMedia("q", MediaAnswer::GiveUp);
    AskMedia(world.run, "q", {}, false);
    EXPECT_FALSE(world.board.WasSet(BoardText::FreeSpace));  // not a copy job

    world.run.jobMode = JobMode::Copy;
    world.op.ExpectMedia(
        "q", MediaAnswer::TryAgain, [&](const MediaQuestion&, MediaDialogActions&) {
            EXPECT_EQ(world.board.Text(BoardText::FreeSpace), "drive e:\\ has 600 bytes free");
        });
    AskMedia(world.run, "q", {}, false);
    EXPECT_EQ(world.board.Text(BoardText::FreeSpace), "drive e:\\ has 1,000 bytes free");
}

TEST(AskMedia, FormatAsksFirstAndStartsTheProgramWithoutLookingBack) {
    RunWorld world;
    world.Settings().FormatProgram = "e:\\fmt.exe e:";
    world.starter.succeed = false;
    const auto pressFormat = [](const MediaQuestion&, MediaDialogActions& actions) {
        actions.Format();
    };
    world.op.ExpectMedia("q", MediaAnswer::TryAgain, pressFormat)
        .ExpectConfirm("Run the format program you specified (e:\\fmt.exe e:)?", false, true)
        .ExpectMedia("q", MediaAnswer::TryAgain, pressFormat)
        .ExpectConfirm("Run the format program you specified (e:\\fmt.exe e:)?", true, true);
    EXPECT_EQ(AskMedia(world.run, "q", {}, false), MediaAnswer::TryAgain);
    EXPECT_TRUE(world.starter.started.empty());
    EXPECT_EQ(AskMedia(world.run, "q", {}, false), MediaAnswer::TryAgain);
    EXPECT_EQ(world.starter.started, std::vector<std::string>{"e:\\fmt.exe e:"});
}

TEST(AskMedia, FixSourceTakesTheDriveLetterDialogsChoice) {
    RunWorld world;
    RunState& state = world.run;
    state.jobMode = JobMode::Verify;
    state.verifySession.root = "x";
    state.verifySession.cut = 7;
    state.verifySession.driveLetters.PresetFor("E:\\data\\a.txt");
    bool fixed = true;
    const auto pressFix = [&](const MediaQuestion&, MediaDialogActions& actions) {
        fixed = actions.FixSource();
    };
    // "&Don't": nothing taken, the media dialog stays open.
    world.op.ExpectMedia("q", MediaAnswer::GiveUp, pressFix)
        .ExpectDriveLetter([](DriveLetterDialog& dialog) { dialog.StepDown(); }, false);
    AskMedia(state, "q", {}, true);
    EXPECT_FALSE(fixed);
    EXPECT_EQ(state.verifySession.root, "x");
    EXPECT_EQ(state.verifySession.cut, 7);

    // An emptied directory field names no place and is not taken.
    world.op.ExpectMedia("q", MediaAnswer::GiveUp, pressFix)
        .ExpectDriveLetter(
            [](DriveLetterDialog& dialog) {
                dialog.UseCurrentDirectory();
                dialog.SetText("");
            },
            true);
    AskMedia(state, "q", {}, true);
    EXPECT_FALSE(fixed);
    EXPECT_EQ(state.verifySession.root, "x");

    world.op.ExpectMedia("q", MediaAnswer::SourceFixed, pressFix)
        .ExpectDriveLetter([](DriveLetterDialog& dialog) { dialog.UseCurrentDirectory(); }, true);
    EXPECT_EQ(AskMedia(state, "q", {}, true), MediaAnswer::SourceFixed);
    EXPECT_TRUE(fixed);
    EXPECT_EQ(state.verifySession.root, "d:\\");
    EXPECT_EQ(state.verifySession.cut, 0);
    EXPECT_NE(world.LogText().find("Media (q\r\n):mrOK"), std::string::npos);
}

TEST(AskMedia, TheMemoEndsEveryLineWithALineBreak) {
    EXPECT_EQ(MediaMemoText(""), "");
    EXPECT_EQ(MediaMemoText("a"), "a\r\n");
    EXPECT_EQ(MediaMemoText("a\r\nb\nc\rd"), "a\r\nb\r\nc\r\nd\r\n");
    EXPECT_EQ(MediaMemoText("a\r\n"), "a\r\n");
    EXPECT_EQ(MediaMemoText("a\r\n\r\nb"), "a\r\n\r\nb\r\n");
}

}  // namespace
}  // namespace brenx::run
