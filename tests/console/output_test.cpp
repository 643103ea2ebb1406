#include <gtest/gtest.h>

#include "console/console_output.h"
#include "console/progress_line.h"
#include "console/prompts.h"
#include "console_kit.h"

namespace brenx::console {
namespace {

TEST(ConsoleOutput, KeepsControlCharactersOutOfTheTerminal) {
    EXPECT_EQ(TerminalSafe("a\r\nb\rc\n"), "a\nb\nc\n");
    // A file name may hold an escape sequence: it is shown, never obeyed.
    EXPECT_EQ(TerminalSafe("x\x1b]0;owned\x07y\x7f\tz"), "x?]0;owned?y?\tz");
    EXPECT_EQ(TerminalSafe("\xC3\xA9t\xC3\xA9"), "\xC3\xA9t\xC3\xA9");
}

TEST(ConsoleOutput, RewritesTheProgressLineInPlaceOnlyOnATerminal) {
    testing::ConsoleKit plain("");
    plain.output.Progress("one");
    plain.output.Progress("two\r\nlines");
    plain.output.Text("message\n");
    EXPECT_EQ(plain.Written(), "one\ntwo lines\nmessage\n");

    testing::ConsoleKit terminal("", true);
    terminal.output.Progress("one");
    terminal.output.Progress("two");
    terminal.output.Text("message\n");
    terminal.output.Progress("three");
    terminal.output.KeepProgress();
    EXPECT_EQ(terminal.Written(), "\r\x1b[Kone\r\x1b[Ktwo\r\x1b[Kmessage\n\r\x1b[Kthree\n");
}

TEST(ProgressLine, JoinsWhatThereIsToShow) {
    ProgressParts parts;
    EXPECT_EQ(ProgressLine(parts), "");
    parts.fileName = "b.txt";
    parts.status = "src: d:\\a\\b.txt\r\ndst: e:\\a\\b.txt\r\n#2 \xE2\x80\x94 9 (0 skips)";
    parts.freeSpace = "drive e:\\ has 1,000 bytes free";
    EXPECT_EQ(ProgressLine(parts),
              "b.txt | #2 \xE2\x80\x94 9 (0 skips) | drive e:\\ has 1,000 bytes free");
    parts.randomWait = "1.00 minute wait 3/61";
    parts.throughput = "2 minutes; 100 bytes/minute";
    EXPECT_EQ(ProgressLine(parts),
              "b.txt | #2 \xE2\x80\x94 9 (0 skips) | drive e:\\ has 1,000 bytes free | 1.00 "
              "minute wait 3/61 | 2 minutes; 100 bytes/minute");
    EXPECT_EQ(LastLine("one\r\ntwo\r\n"), "two");
    EXPECT_EQ(LastLine("single"), "single");
}

TEST(Prompts, TheMediaQuestionOffersWhatTheEngineShows) {
    run::MediaQuestion question;
    EXPECT_EQ(MediaChoices(question),
              "[y] Yes; try again  [n] No; Give up  [c] Clip  (Enter: try again) > ");
    question.showSkip = question.showMinuteWait = question.showFormat = true;
    question.minuteWaitCaption = "wait 1.50'?";
    EXPECT_EQ(MediaChoices(question),
              "[y] Yes; try again  [n] No; Give up  [s] Skip this one?  [w] wait 1.50'?  [f] "
              "Format?  [c] Clip  (Enter: try again) > ");
}

}  // namespace
}  // namespace brenx::console
