#include "run/media_wait.h"

#include <gtest/gtest.h>

namespace brenx::run {
namespace {

using Change = MediaWait::Change;

struct WaitRow {
    // p: the wait button, t: one tick, c: the dialog closes.
    const char* script;
    Change last;
    bool waiting;
    std::int32_t progress;
    const char* button;
};

const WaitRow kRows[] = {
    {"", Change::None, false, 0, "wait 1.50'?"},
    {"t", Change::None, false, 0, "wait 1.50'?"},
    {"p", Change::Started, true, 0, "stop waiting"},
    {"ptt", Change::None, true, 2, "stop waiting"},
    {"pttt", Change::Ended, false, 3, "wait a minute"},
    {"ptttt", Change::None, false, 3, "wait a minute"},
    {"ptp", Change::Ended, false, 1, "wait a minute"},
    {"ptpp", Change::Started, true, 0, "stop waiting"},
    {"ptc", Change::None, false, 1, "wait a minute"},
};

TEST(MediaWait, EndsAfterItsTicksOrASecondPressAndTakesNoAnswerMeanwhile) {
    MediaQuestion question;
    question.minuteWaitCaption = "wait 1.50'?";
    question.minuteWaitBoxCaption = "1.50 minute wait";
    question.minuteWaitTicks = 3;
    for (const WaitRow& row : kRows) {
        SCOPED_TRACE(row.script);
        MediaWait wait(question);
        Change last = Change::None;
        for (const char* step = row.script; *step != '\0'; ++step) {
            if (*step == 'p') last = wait.Press();
            if (*step == 't') last = wait.Tick();
            if (*step == 'c') {
                wait.Close();
                last = Change::None;
            }
        }
        EXPECT_EQ(last, row.last);
        EXPECT_EQ(wait.Waiting(), row.waiting);
        EXPECT_EQ(wait.TakesAnswers(), !row.waiting);
        EXPECT_EQ(wait.Progress(), row.progress);
        EXPECT_EQ(wait.ButtonCaption(), row.button);
        EXPECT_EQ(wait.BoxCaption(), "1.50 minute wait");
        EXPECT_EQ(wait.Length(), 3);
    }
}

}  // namespace
}  // namespace brenx::run
