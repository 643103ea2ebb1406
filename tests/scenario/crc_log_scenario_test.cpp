#include <gtest/gtest.h>

#include <algorithm>

#include "scenario_kit.h"

// CRC logs that are not as the copy wrote them, verified by brenxc: damaged
// copies are found whatever happened to the log's line ends or lengths.
namespace brenx::scenario {
namespace {

const std::vector<std::string> kVerify = {"-vL:\\check.log", "-r", "-lL:\\verify.log"};

TEST(CrcLogScenario, ALogWithLinuxLineEndsChecksEveryFile) {
    Scenario scenario;
    scenario.Write("brenx.ini", kSettings);
    scenario.Write("s/a.txt", "alpha");
    scenario.Write("s/b.txt", "beta");
    scenario.Write("s/c.txt", "gamma");
    ASSERT_EQ(RunBrenxc(scenario, CopyArguments({"-r"})).exitCode, 0);
    // The log went through a tool that writes LF line ends.
    std::string log = scenario.Read("run.log");
    log.erase(std::remove(log.begin(), log.end(), '\r'), log.end());
    scenario.Write("check.log", log);
    scenario.Write("t/dst/b.txt", "bet4");
    scenario.Write("t/dst/c.txt", "gamm4");

    const RunResult run = RunBrenxc(scenario, kVerify);
    EXPECT_EQ(run.exitCode, 8) << run.errors;
    EXPECT_TRUE(Contains(run.errors, "2 crc errors")) << run.errors;
    EXPECT_TRUE(Contains(scenario.Read("verify.log"),
                         "Verified 1 files from log L:\\check.log had correct checksums; 2 files "
                         "had bad checksums"))
        << scenario.Read("verify.log");
}

// A path of more than 400 characters: its CRC line is checked, not taken
// for a line without its second bar that the operator lets pass.
TEST(CrcLogScenario, ALongPathIsCheckedLikeAnyOther) {
    Scenario scenario;
    scenario.Write("brenx.ini", kSettings);
    const std::string deep = std::string(200, 'd') + "/" + std::string(200, 'e') + "/long.txt";
    scenario.Write("s/" + deep, "long and intact");
    ASSERT_EQ(RunBrenxc(scenario, CopyArguments({"-r"})).exitCode, 0);
    scenario.Write("check.log", scenario.Read("run.log"));

    const RunResult good = RunBrenxc(scenario, kVerify, "y\ny\n");
    EXPECT_EQ(good.exitCode, 0) << good.errors;
    EXPECT_TRUE(Contains(scenario.Read("verify.log"), "Verified 1 files from log"));

    scenario.Write("t/dst/" + deep, "long and broken");
    const RunResult bad = RunBrenxc(scenario, kVerify, "y\ny\n");
    EXPECT_EQ(bad.exitCode, 8) << bad.errors;
    EXPECT_TRUE(Contains(bad.errors, "1 crc errors")) << bad.errors;
}

}  // namespace
}  // namespace brenx::scenario
