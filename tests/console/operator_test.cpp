#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "console/console_operator.h"
#include "console_kit.h"
#include "platform/temp_drives.h"
#include "run/drive_letter_dialog.h"

namespace brenx::console {
namespace {

using options::QuestionId;

using testing::ConsoleKit;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Counts the presses of the media dialog's engine buttons.
class RecordingActions : public run::MediaDialogActions {
  public:
    void Format() override { ++formats; }
    bool FixSource() override { return fixSourceAnswer; }
    void OpenHelp() override {}
    int formats = 0;
    bool fixSourceAnswer = false;
};

TEST(ConsoleOperator, QuestionsTakeOneLineEachAndEndOfInputSaysNo) {
    ConsoleKit kit("y\n\nn\nmaybe\nN\n");
    EXPECT_TRUE(kit.op.ConfirmMessage("Skip the delay?", true, QuestionId::SkipDelay));
    EXPECT_TRUE(kit.op.ConfirmMessage("Give up now?", true, QuestionId::GiveUpNow));  // Enter: OK
    EXPECT_FALSE(kit.op.ConfirmMessage("Warning: x; continue?", true, QuestionId::Other));
    EXPECT_FALSE(
        kit.op.ConfirmMessage("Again?", false, QuestionId::Other));  // "maybe" is asked again
    // The input has ended: questions answer No, messages simply go on.
    EXPECT_FALSE(kit.op.ConfirmMessage("Give up now?", true, QuestionId::GiveUpNow));
    kit.op.InfoMessage("Looks like we got out of here alive");
    const std::string shown = kit.Written();
    EXPECT_TRUE(Contains(shown, "-- Confirm? --\nSkip the delay?\n[y] OK  [n] No"));
    EXPECT_TRUE(Contains(shown, "Please answer y or n."));
    EXPECT_TRUE(Contains(shown, "-- Information --\nLooks like we got out of here alive\n"));
    EXPECT_TRUE(Contains(shown, "(end of input)"));
}

TEST(ConsoleOperator, MessagesWaitForAnyLine) {
    ConsoleKit kit("whatever\n\ny\n");
    kit.op.ErrorMessage("Sorry: No media");
    kit.op.ShowLogMessage("Changed Media");
    EXPECT_TRUE(kit.op.ConfirmMessage("Give up now?", true, QuestionId::GiveUpNow));
    EXPECT_TRUE(Contains(kit.Written(), "-- Error --\nSorry: No media\n[Enter] OK > whatever\n"));
    EXPECT_TRUE(Contains(kit.Written(), "-- Log message: --\nChanged Media\n"));
}

TEST(ConsoleOperator, CtrlCIsTheStopButtonAndASecondOneGivesUp) {
    ConsoleKit kit("n\nn\n");
    EXPECT_FALSE(kit.op.PumpEvents());
    kit.presses.Press();
    EXPECT_TRUE(kit.op.PumpEvents());  // the next poll asks "Give up now?"
    EXPECT_FALSE(kit.op.PumpEvents());
    // A press while that question waits answers it yes.
    kit.presses.Press();
    EXPECT_TRUE(kit.op.ConfirmMessage("Give up now?", true, QuestionId::GiveUpNow));
    // A press while another question waits is kept for the next poll.
    kit.presses.Press();
    EXPECT_FALSE(kit.op.ConfirmMessage("Skip the delay?", true, QuestionId::SkipDelay));
    EXPECT_TRUE(kit.op.PumpEvents());
    EXPECT_FALSE(kit.op.PumpEvents());
    // The question's identity counts, not its words.
    kit.presses.Press();
    EXPECT_FALSE(kit.op.ConfirmMessage("Give up now?", true, QuestionId::Other));
    EXPECT_TRUE(kit.op.PumpEvents());
}

TEST(ConsoleOperator, WaitsSleepAndWakeForAStopPress) {
    ConsoleKit kit("");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(kit.op.Wait(60));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(60));
    kit.presses.Press();
    const auto pressed = std::chrono::steady_clock::now();
    EXPECT_TRUE(kit.op.Wait(10000));
    EXPECT_LT(std::chrono::steady_clock::now() - pressed, std::chrono::seconds(5));
}

TEST(ConsoleOperator, TheAlarmRingsWhileAQuestionWaitsOnlyWithASound) {
    ConsoleTiming timing;
    timing.bellIntervalMs = 5;
    ConsoleKit silent("", true, timing);
    EXPECT_FALSE(silent.op.ConfirmMessage("Give up now?", true, QuestionId::GiveUpNow));
    EXPECT_FALSE(Contains(silent.Written(), "\a"));

    // The answer comes later than the bell's interval: the bell rings meanwhile.
    testkit::HostPipe answers;
    testing::HostInterruptRequests presses;
    testing::HostTerminalInput terminalIn(answers.Reader());
    ConsoleInput input(terminalIn, presses);
    testkit::RecordingTerminalOutput shown(true);
    ConsoleOutput output(shown);
    ConsoleOperator op(input, output, false, timing);
    op.SetAlarmSound("/sounds/alarm.wav");
    std::thread answer([&answers] {
        std::this_thread::sleep_for(std::chrono::milliseconds(60));
        answers.Put("y\n");
    });
    EXPECT_TRUE(op.ConfirmMessage("Give up now?", true, QuestionId::GiveUpNow));
    answer.join();
    EXPECT_TRUE(Contains(shown.Written(), "\a"));
}

TEST(ConsoleOperator, TheMediaQuestionTakesItsLetters) {
    run::MediaQuestion question;
    question.text = "Couldn't create new directory e:\\x\\ (try new media maybe?)";
    question.showSkip = true;
    question.showMinuteWait = true;
    question.showFormat = true;
    RecordingActions actions;
    // "x" is not offered here; "c" clips and asks again; "f" formats; "w"
    // waits until the next line; "s" skips.
    ConsoleKit kit("x\nc\nf\nw\n\ns\ny\nn\n");
    EXPECT_EQ(kit.op.AskMedia(question, actions), run::MediaAnswer::Skip);
    EXPECT_EQ(actions.formats, 1);
    EXPECT_EQ(kit.op.Clipboard(), question.text);
    EXPECT_EQ(kit.op.AskMedia(question, actions), run::MediaAnswer::TryAgain);
    EXPECT_EQ(kit.op.AskMedia(question, actions), run::MediaAnswer::GiveUp);
    EXPECT_EQ(kit.op.AskMedia(question, actions), run::MediaAnswer::GiveUp);  // end of input
    const std::string shown = kit.Written();
    EXPECT_TRUE(Contains(shown, "-- Media Dialog --\n" + question.text + "\n"));
    EXPECT_TRUE(Contains(shown, "wait 1.00'? Waiting; press Enter to stop waiting."));
    EXPECT_TRUE(Contains(shown, "Please answer with one of the letters in brackets."));
}

TEST(ConsoleOperator, FixSourceClosesTheMediaQuestionWhenTheEngineTookTheChoice) {
    run::MediaQuestion question;
    question.text = "Couldn't ReadBFile(d:\\a.txt)!?; Try again?";
    question.showFixSource = true;
    RecordingActions actions;
    ConsoleKit kit("x\nx\n");
    EXPECT_EQ(kit.op.AskMedia(question, actions), run::MediaAnswer::GiveUp);  // refused, then end
    actions.fixSourceAnswer = true;
    ConsoleKit again("x\n");
    EXPECT_EQ(again.op.AskMedia(question, actions), run::MediaAnswer::SourceFixed);
}

TEST(ConsoleOperator, TheDriveLetterDialogIsWorkedByCommands) {
    platform::testing::TempDrives drives;
    run::DriveLetterDialog dialog(drives.Fs());
    dialog.PresetFor("E:\\logs\\a.txt");
    ConsoleKit letters("-\nh:\n+\n?\no\n");
    EXPECT_TRUE(letters.op.AskDriveLetter(dialog));
    EXPECT_EQ(dialog.ChosenRoot(), "i");
    EXPECT_TRUE(
        Contains(letters.Written(), "jiggery verify: \"E:\\logs\\a.txt\"\nDrive letter: E"));
    EXPECT_TRUE(Contains(letters.Written(), "Drive letter: d\n"));

    // This dir: an editable directory and the subdirectories choice.
    ConsoleKit directory("t\nc:\\copy\\\ny\n\n");
    EXPECT_TRUE(directory.op.AskDriveLetter(dialog));
    EXPECT_EQ(dialog.CurrentMode(), run::DriveLetterDialog::Mode::Directory);
    EXPECT_EQ(dialog.ChosenRoot(), "c:\\copy\\");
    EXPECT_TRUE(dialog.IncludeSubdirs());

    ConsoleKit dont("n\n");
    EXPECT_FALSE(dont.op.AskDriveLetter(dialog));
    ConsoleKit ended("");
    EXPECT_FALSE(ended.op.AskDriveLetter(dialog));
}

TEST(ConsoleOperator, AFileIsPickedByNumberOrTheChoiceCancelled) {
    run::FilePick pick;
    pick.directory = "d:\\logs\\";
    pick.candidates = {"d:\\logs\\a.log", "d:\\logs\\b.log"};
    std::string chosen;
    ConsoleKit kit("3\n2\nc\n");
    EXPECT_TRUE(kit.op.PickFile(pick, chosen));
    EXPECT_EQ(chosen, "d:\\logs\\b.log");
    EXPECT_FALSE(kit.op.PickFile(pick, chosen));
    EXPECT_FALSE(kit.op.PickFile(pick, chosen));  // end of input
    EXPECT_TRUE(Contains(kit.Written(), "Select Log File\nin d:\\logs\\\n  1) d:\\logs\\a.log\n"));
}

}  // namespace
}  // namespace brenx::console
