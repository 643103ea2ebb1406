#include <gtest/gtest.h>

#include "scenario_kit.h"

// A copy proved afterwards: verify against its own CRC log.
namespace brenx::scenario {
namespace {

void CopyTree(const Scenario& scenario) {
    scenario.Write("brenx.ini", kSettings);
    scenario.Write("s/a.txt", "alpha");
    scenario.Write("s/sub/b.txt", "beta");
    ASSERT_EQ(RunBrenxc(scenario, CopyArguments({"-r"})).exitCode, 0);
}

TEST(VerifyScenario, ACopyVerifiesAgainstItsLogAndADamagedByteFails) {
    Scenario scenario;
    CopyTree(scenario);
    const std::vector<std::string> verify = {"-vL:\\run.log", "-r", "-lL:\\verify.log"};
    const RunResult good = RunBrenxc(scenario, verify);
    EXPECT_EQ(good.exitCode, 0) << good.errors;

    scenario.Write("t/dst/sub/b.txt", "bet4");
    const RunResult bad = RunBrenxc(scenario, verify);
    EXPECT_EQ(bad.exitCode, 8) << bad.errors;
    EXPECT_TRUE(Contains(bad.errors, "1 crc errors (check log for \"crc sb\"?)."));
    EXPECT_TRUE(Contains(scenario.Read("verify.log"), "crc sb"));
}

TEST(VerifyScenario, AWildcardLogIsPickedFromTheList) {
    Scenario scenario;
    CopyTree(scenario);
    const RunResult picked = RunBrenxc(scenario, {"-vL:\\*.log", "-r", "-lL:\\verify.txt"}, "1\n");
    EXPECT_EQ(picked.exitCode, 0) << picked.errors;
    EXPECT_TRUE(Contains(picked.errors, "  1) "));
    const RunResult cancelled =
        RunBrenxc(scenario, {"-vL:\\*.log", "-r", "-lL:\\verify.txt"}, "c\n");
    EXPECT_NE(cancelled.exitCode, 0) << cancelled.errors;
}

TEST(VerifyScenario, MediaUnderAnotherLetterAreFoundThroughFixSource) {
    Scenario scenario;
    CopyTree(scenario);
    // The copy's drive now answers to u: instead of t:.
    scenario.drives = "l=" + scenario.Root() + ";u=" + scenario.Host("t");
    const RunResult run =
        RunBrenxc(scenario, {"-vL:\\run.log", "-r", "-lL:\\verify.log"}, "x\nu:\no\n");
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_TRUE(Contains(run.errors, "Fix source?"));
    EXPECT_TRUE(Contains(run.errors, "Drive letter: u"));
}

}  // namespace
}  // namespace brenx::scenario
