#include "testkit/scripted_run_operator.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace brenx::testkit {
namespace {

using options::QuestionId;

TEST(ScriptedRunOperator, AnswersTheScriptInOrder) {
    ScriptedRunOperator op;
    op.ExpectConfirm("Give up now?", true, true).ExpectError("bad").ExpectConfirm("Again?", false);
    op.SetClipboardText("clip");
    EXPECT_TRUE(op.ConfirmMessage("Give up now?", true, QuestionId::GiveUpNow));
    op.ErrorMessage("bad");
    EXPECT_FALSE(op.ConfirmMessage("Again?", false, QuestionId::Other));
    EXPECT_TRUE(op.ScriptDone());
    EXPECT_EQ(op.Clipboard(), "clip");
    EXPECT_EQ(op.Shown(), (std::vector<std::string>{"Give up now?", "bad", "Again?"}));
}

TEST(ScriptedRunOperator, FailsOnUnexpectedWrongAndMissingCalls) {
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedRunOperator op;
            EXPECT_FALSE(op.ConfirmMessage("Surprise?", true, QuestionId::Other));
        },
        "unexpected question: Surprise?");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedRunOperator op;
            op.ExpectConfirm("One?", true);
            EXPECT_FALSE(op.ConfirmMessage("Two?", true, QuestionId::Other));
        },
        "got question: Two?");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedRunOperator op;
            op.ExpectInfo("note");
            op.ErrorMessage("note");
        },
        "got error message: note");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedRunOperator op;
            op.ExpectConfirm("Quiet?", true, false);
            op.ConfirmMessage("Quiet?", true, QuestionId::Other);
        },
        "with the alarm: Quiet?");
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedRunOperator op;
            op.ExpectError("never shown");
        },
        "never came: never shown");
}

}  // namespace
}  // namespace brenx::testkit
