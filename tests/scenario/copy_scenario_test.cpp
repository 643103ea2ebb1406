#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "scenario_kit.h"

// The main roads of a copy, run end to end by brenxc.
namespace brenx::scenario {
namespace {

TEST(CopyScenario, AFreshCopyThenASecondRunThatSkipsEverything) {
    Scenario scenario;
    scenario.Write("brenx.ini", kSettings);
    scenario.Write("s/a.txt", "alpha");
    scenario.Write("s/sub/b.txt", "beta");
    scenario.Write("s/sub/\xC3\xA9t\xC3\xA9.txt", "gamma");

    const RunResult first = RunBrenxc(scenario, CopyArguments({"-r"}));
    ASSERT_EQ(first.exitCode, 0) << first.errors;
    EXPECT_EQ(first.output, "");  // standard output stays clean
    EXPECT_EQ(scenario.Read("t/dst/sub/\xC3\xA9t\xC3\xA9.txt"), "gamma");
    const std::string log = scenario.Read("run.log");
    EXPECT_TRUE(Contains(log, "|t:\\dst\\a.txt|" + CrcText("alpha") + "\r\n")) << log;
    EXPECT_TRUE(Contains(log, "|t:\\dst\\sub\\\xC3\xA9t\xC3\xA9.txt|" + CrcText("gamma") + "\r\n"));
    // The media carry their own CRC log, in the destination root.
    EXPECT_EQ(scenario.Read("t/dst/brun.log"), log);
    EXPECT_EQ(scenario.Read("counts.txt"), "filecount: 3\r\nbyte: 14\r\nskipped: 0\r\n");
    EXPECT_TRUE(Contains(first.errors, "** Hooray! We finished! Succesfully maybe...."));

    // Nothing is newer now: everything is skipped, and the counts carry on.
    const RunResult second = RunBrenxc(scenario, CopyArguments({"-r"}));
    EXPECT_EQ(second.exitCode, 0) << second.errors;
    EXPECT_TRUE(Contains(scenario.Read("run.log"),
                         "filecount: 3, bytecount: 14, cd_bytecount: 14, NewerSkipped: 3"));
    EXPECT_EQ(scenario.Read("counts.txt"), "filecount: 3\r\nbyte: 14\r\nskipped: 3\r\n");
}

TEST(CopyScenario, AFullDestinationAsksForNewMedia) {
    const std::string question = "bytes, and only 50 bytes left on t:\\; new media?";
    for (const bool newMedia : {false, true}) {
        Scenario scenario;
        scenario.Write("brenx.ini", kSettings + "fakesize=150\r\n");
        scenario.Write("s/a.txt", std::string(100, 'a'));
        scenario.Write("s/b.txt", std::string(100, 'b'));
        // Yes to new media, then yes to trying the file again.
        const RunResult run =
            RunBrenxc(scenario, CopyArguments({"-r"}), newMedia ? "y\ny\n" : "n\n");
        EXPECT_TRUE(Contains(run.errors, question)) << run.errors;
        if (newMedia) {
            EXPECT_EQ(run.exitCode, 0) << run.errors;
            EXPECT_TRUE(scenario.Exists("t/dst/a.txt") && scenario.Exists("t/dst/b.txt"));
            EXPECT_TRUE(Contains(scenario.Read("run.log"), "|:Changed Media\r\n"));
        } else {
            EXPECT_EQ(run.exitCode, 3) << run.errors;  // no room (21), ended in the top directory
        }
    }
}

TEST(CopyScenario, AnUnreadableFileFollowsTheSkipRulesOrTheOperator) {
    struct Case {
        std::vector<std::string> switches;
        std::string settings;
        std::string input;
        int exitCode;
        std::string logged;
    };
    const Case cases[] = {
        {{},
         "BLRautoSkip=1\r\n",
         "",
         0,
         "BLRautoSkip 1: CopyBfile( s:\\x_y.txt, t:\\dst\\x_y.txt)"},
        {{"-~"}, "", "", 0, "cant_all skip: CopyBfile ( s:\\x_y.txt, t:\\dst\\x_y.txt)"},
        {{"-~_"}, "", "", 0, "cant_skip skip: CopyBfile ( s:\\x_y.txt, t:\\dst\\x_y.txt)"},
        {{"-cskip.lst"}, "", "", 0, "cant_file skip: CopyBfile ( s:\\x_y.txt, t:\\dst\\x_y.txt)"},
        {{}, "", "s\n", 0, "):mrIGNORE"},
        {{}, "", "n\n", 3, "):mrCancel"},
        {{}, "", "y\ns\n", 0, "):mrOK"},
    };
    for (const Case& c : cases) {
        Scenario scenario;
        scenario.Write("brenx.ini", kSettings + c.settings);
        scenario.Write("s/ok.txt", "fine");
        scenario.Write("s/skip.lst", "; files that cannot be read\r\nx_*\r\n");
        // A link to nothing: listed like a file, but it cannot be opened.
        ASSERT_EQ(symlink("/nonexistent/brenx", scenario.Host("s/x_y.txt").c_str()), 0);
        std::vector<std::string> switches = c.switches;
        switches.push_back("-r");
        const RunResult run = RunBrenxc(scenario, CopyArguments(switches), c.input);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.logged << "\n" << run.errors;
        EXPECT_TRUE(Contains(scenario.Read("run.log"), c.logged)) << scenario.Read("run.log");
        EXPECT_EQ(scenario.Read("t/dst/ok.txt"),
                  c.exitCode == 0 ? "fine" : scenario.Read("t/dst/ok.txt"));
        EXPECT_FALSE(scenario.Exists("t/dst/x_y.txt"));
    }
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST(CopyScenario, TheQuestionSaysWhyAndTheFailureIsToldOnce) {
    Scenario scenario;
    scenario.Write("s/ok.txt", "fine");
    ASSERT_EQ(symlink("loop", scenario.Host("s/loop").c_str()), 0);
    // No settings file at all (-x), and giving up at the question.
    const RunResult run =
        RunBrenxc(scenario, {"s:\\", "t:\\dst\\", "-r", "-x", "-lL:\\run.log"}, "n\n");
    EXPECT_EQ(run.exitCode, 3) << run.errors;
    EXPECT_TRUE(Contains(run.errors,
                         "Couldn't CopyBFile( s:\\loop, t:\\dst\\loop); try new media?\n"
                         "(too many levels of links)\n"))
        << run.errors;
    EXPECT_TRUE(Contains(scenario.Read("run.log"), "(too many levels of links)\r\n):mrCancel"));
    // The end of the job and the end of the run both report the failure.
    EXPECT_EQ(Count(run.errors, "Oops sorry about that..."), 1u) << run.errors;
    EXPECT_FALSE(Contains(run.errors, "Settings:")) << run.errors;
}

TEST(CopyScenario, CopyingStartsAtTheStartFile) {
    Scenario scenario;
    scenario.Write("brenx.ini", kSettings + "startfile=s:\\sub\\b.txt\r\n");
    scenario.Write("s/a.txt", "alpha");
    scenario.Write("s/sub/b.txt", "beta");
    scenario.Write("s/sub/deeper/c.txt", "gamma");
    const RunResult run = RunBrenxc(scenario, CopyArguments({"-r"}));
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_FALSE(scenario.Exists("t/dst/a.txt"));
    EXPECT_EQ(scenario.Read("t/dst/sub/b.txt"), "beta");
    EXPECT_EQ(scenario.Read("t/dst/sub/deeper/c.txt"), "gamma");
    EXPECT_TRUE(Contains(run.errors, "wait:b.txt"));
}

TEST(CopyScenario, ArconlyCopiesOnlyFilesChangedSinceTheirArchiveBitWasCleared) {
    Scenario scenario;
    scenario.Write("brenx.ini", kSettings);
    scenario.Write("clear.ini", "[brenx]\r\nlog=clear.log\r\nstopbak=1\r\n");
    scenario.Write("s/a.txt", "alpha");
    scenario.Write("s/b.txt", "beta");
    const RunResult clear = RunBrenxc(scenario, {"s:\\", "t:\\dst\\", "-r", "-iL:\\clear.ini"});
    if (clear.exitCode != 0)
        GTEST_SKIP() << "archive bits cannot be cleared here: " << clear.errors;
    // b.txt changes (a date of its own, so the change shows whatever the clock's grain).
    scenario.Write("s/b.txt", "beta, changed");
    const timespec dates[2] = {{0, UTIME_OMIT}, {1700000000, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, scenario.Host("s/b.txt").c_str(), dates, 0), 0);

    const RunResult run = RunBrenxc(scenario, CopyArguments({"-r", "-a"}));
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_FALSE(scenario.Exists("t/dst/a.txt"));
    EXPECT_EQ(scenario.Read("t/dst/b.txt"), "beta, changed");
}

TEST(CopyScenario, CdrNamesOnlyOnDrivesThatNotCdrDoesNotName) {
    const std::string longBase(66, 'n');
    for (const bool cdr : {true, false}) {
        Scenario scenario;
        scenario.Write("brenx.ini", kSettings);
        scenario.Write("s/a;b.txt", "semicolon");
        scenario.Write("s/" + longBase + ".txt", "long");
        const RunResult run =
            RunBrenxc(scenario, CopyArguments({cdr ? "-notcdr:abc" : "-notcdr"}), "y\n");
        EXPECT_EQ(run.exitCode, 0) << run.errors;
        EXPECT_EQ(Contains(run.errors, " (with CDR name processing and random waits)?"), cdr);
        EXPECT_EQ(scenario.Exists("t/dst/a_b.txt"), cdr);
        EXPECT_EQ(scenario.Exists("t/dst/a;b.txt"), !cdr);
        EXPECT_EQ(scenario.Exists("t/dst/" + longBase + ".txt"), !cdr);
        if (cdr) {
            EXPECT_TRUE(
                Contains(scenario.Read("run.log"), "|t:\\dst\\" + longBase.substr(0, 55) + "!"));
        }
    }
}

// Two starts of a minute with the program's own log name: each medium gets
// its own run's CRC log. The UTF-16 settings file is told; the runs go on.
TEST(CopyScenario, EveryStartWritesALogOfItsOwn) {
    Scenario scenario;
    scenario.Write("brenx.ini", std::string("\xFF\xFE[\0b\0]\0", 8));
    scenario.Write("s/a.txt", "alpha");
    for (const std::string medium : {"one", "two"}) {
        const RunResult run =
            RunBrenxc(scenario, {"s:\\", "t:\\" + medium, "-r", "-iL:\\brenx.ini"});
        EXPECT_EQ(run.exitCode, 0) << run.errors;
        EXPECT_TRUE(Contains(run.errors, "!! Settings file L:\\brenx.ini not used: it is UTF-16"));
        std::vector<std::string> logs;  // the CRC logs copied onto the medium
        for (const auto& entry :
             std::filesystem::directory_iterator(scenario.Host("t/" + medium))) {
            const std::string name = entry.path().filename().string();
            if (name.starts_with("bdf~_"))
                logs.push_back(scenario.Read("t/" + medium + "/" + name));
        }
        ASSERT_EQ(logs.size(), 1u);
        EXPECT_EQ(Count(logs[0], "|t:\\"), 1u) << logs[0];
        EXPECT_TRUE(Contains(logs[0], "Settings file L:\\brenx.ini not used: it is UTF-16"))
            << logs[0];
    }
}

}  // namespace
}  // namespace brenx::scenario
