#include <gtest/gtest.h>
#include <unistd.h>

#include "program_under_test.h"
#include "scenario_kit.h"

// The exit codes that a copy run can end with.
namespace brenx::scenario {
namespace {

TEST(ExitCodeScenario, EachWayACopyCanEnd) {
    struct Case {
        const char* what;
        std::vector<std::string> arguments;
        std::string settings;
        std::string input;
        int exitCode;
    };
    const Case cases[] = {
        {"a subdirectory's file given up", CopyArguments({"-r"}), "", "n\n", 4},
        {"no destination media", {"s:\\", "q:\\dst\\", "-iL:\\brenx.ini", "-r"}, "", "n\n", 9},
        {"no source, given up",
         {"s:\\nosuch\\", "t:\\dst\\", "-iL:\\brenx.ini", "-r"},
         "",
         "\nn\n",
         10},
        {"no source, skipped",
         {"s:\\nosuch\\", "t:\\dst\\", "-iL:\\brenx.ini", "-r"},
         "",
         "\ns\n",
         0},
        {"start declined", CopyArguments(), "", "n\n", 17},
        {"warning heeded", CopyArguments(), "warning=old tape\r\n", "n\n", 20},
        {"no destination named", {"s:\\", "-iL:\\brenx.ini"}, "", "", 153},
    };
    for (const Case& c : cases) {
        // Wine leaves a dangling link out of its listings, so the file to give up is not there.
        if (UnderWine() && c.exitCode == 4) continue;
        Scenario scenario;
        scenario.Write("brenx.ini", kSettings + c.settings);
        scenario.Write("s/a.txt", "alpha");
        scenario.Write("s/sub/ok.txt", "fine");
        ASSERT_EQ(symlink("/nonexistent/brenx", scenario.Host("s/sub/bad.txt").c_str()), 0);
        const RunResult run = RunBrenxc(scenario, c.arguments, c.input);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.what << "\n" << run.errors;
    }
}

// Skips are told in the log whatever FailOnSkips says; with it a run that
// skipped a file fails (24) as any failed run ends: no success banner, no
// counts file, no CRC log copy. A run that failed already keeps its code.
TEST(ExitCodeScenario, FailOnSkipsFailsARunThatSkippedFiles) {
    struct Case {
        std::vector<std::string> switches;
        std::string settings, input;
        int exitCode;
        std::string logged;
    };
    const std::string optionSkip =
        "\r\n1 files skipped (0 by the operator, 1 by skip options, 0 BLRautoSkips)\r\n";
    const Case cases[] = {
        {{"-~"}, "", "", 0, "NewerSkipped: 0" + optionSkip},
        {{"-~", "-failonskips"}, "", "", 24, "NewerSkipped: 0" + optionSkip},
        {{}, "FailOnSkips=1\r\n", "s\n", 24, "operator skip: CopyBfile ( s:\\sub\\bad.txt, t:"},
        {{"-failonskips-"}, "FailOnSkips=1\r\n", "s\n", 0, "(1 by the operator, 0 by skip"},
        {{"-failonskips"}, "", "n\n", 4, "):mrCancel"},
    };
    for (const Case& c : cases) {
        Scenario scenario;
        scenario.Write("brenx.ini", kSettings + c.settings);
        scenario.Write("s/sub/ok.txt", "fine");
        ASSERT_EQ(symlink("/nonexistent/brenx", scenario.Host("s/sub/bad.txt").c_str()), 0);
        std::vector<std::string> switches = c.switches;
        switches.push_back("-r");
        const RunResult run = RunBrenxc(scenario, CopyArguments(switches), c.input);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.logged << "\n" << run.errors;
        EXPECT_TRUE(Contains(scenario.Read("run.log"), c.logged)) << scenario.Read("run.log");
        EXPECT_EQ(Contains(run.errors, "Sorry: 1 file was skipped, and FailOnSkips fails a"),
                  c.exitCode == 24);
        EXPECT_EQ(scenario.Exists("counts.txt"), c.exitCode == 0);
        EXPECT_EQ(scenario.Exists("t/dst/brun.log"), c.exitCode == 0);
    }
}

TEST(ExitCodeScenario, GivingUpOverAFileThatIsNotNewer) {
    Scenario scenario;
    scenario.Write("brenx.ini", kSettings + "NewerComplaint=1\r\n");
    scenario.Write("s/a.txt", "alpha");
    ASSERT_EQ(RunBrenxc(scenario, CopyArguments({"-r"})).exitCode, 0);
    const RunResult again = RunBrenxc(scenario, CopyArguments({"-r"}), "y\n");
    EXPECT_TRUE(Contains(
        again.errors, "Didn't CopyBFile(s:\\a.txt, t:\\dst\\a.txt) because of NewerOnly; give up?"))
        << again.errors;
    EXPECT_EQ(again.exitCode, 3);  // 18, ended in the top directory
}

}  // namespace
}  // namespace brenx::scenario
