#include <gtest/gtest.h>

#include "scenario_kit.h"

// Ctrl-C is the Stop button of brenxc.
namespace brenx::scenario {
namespace {

// A copy waiting at its start question, with a Stop pressed meanwhile: the
// Stop is kept for the copy's first poll.
void StopAtTheStart(BrenxcSession& session) {
    ASSERT_TRUE(session.WaitFor("Brenx from s:\\ to t:\\dst\\?"));
    ASSERT_TRUE(session.WaitFor("[y] OK  [n] No"));
    session.Interrupt();
    ASSERT_TRUE(session.WaitFor("(Stop noted"));
    session.Type("y\n");
    ASSERT_TRUE(session.WaitFor("Give up now?"));
}

void WriteTree(const Scenario& scenario) {
    scenario.Write("brenx.ini", kSettings);
    scenario.Write("s/a.txt", "alpha");
    scenario.Write("s/sub/b.txt", "beta");
}

TEST(StopScenario, NoToGiveUpNowLetsTheCopyGoOn) {
    Scenario scenario;
    WriteTree(scenario);
    BrenxcSession session(scenario, CopyArguments());
    StopAtTheStart(session);
    session.Type("n\n");
    const RunResult run = session.Finish();
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(scenario.Read("t/dst/sub/b.txt"), "beta");
}

TEST(StopScenario, YesOrASecondCtrlCGivesUp) {
    for (const bool secondPress : {false, true}) {
        Scenario scenario;
        WriteTree(scenario);
        BrenxcSession session(scenario, CopyArguments());
        StopAtTheStart(session);
        if (secondPress) {
            session.Interrupt();
            // The press is told before the input ends: an end seen first would answer No.
            EXPECT_TRUE(session.WaitFor("(Stop pressed again: giving up)"));
        } else {
            session.Type("y\n");
        }
        const RunResult run = session.Finish();
        // Given up in the top directory's files: "brenxfiles".
        EXPECT_EQ(run.exitCode, 3) << run.errors;
        EXPECT_TRUE(Contains(run.errors, "Sorry: brenxfiles(s:\\,t:\\dst\\)"));
        EXPECT_EQ(Contains(run.errors, "(Stop pressed again: giving up)"), secondPress);
        EXPECT_FALSE(scenario.Exists("t/dst/sub/b.txt"));
    }
}

}  // namespace
}  // namespace brenx::scenario
