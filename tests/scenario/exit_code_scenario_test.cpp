#include <gtest/gtest.h>
#include <unistd.h>

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
        Scenario scenario;
        scenario.Write("brenx.ini", kSettings + c.settings);
        scenario.Write("s/a.txt", "alpha");
        scenario.Write("s/sub/ok.txt", "fine");
        ASSERT_EQ(symlink("/nonexistent/brenx", scenario.Host("s/sub/bad.txt").c_str()), 0);
        const RunResult run = RunBrenxc(scenario, c.arguments, c.input);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.what << "\n" << run.errors;
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
