#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string_view>

#include "scenario_kit.h"

// Runs of brenxc over job lists ("@" files) that are missing, loop, are cut
// oddly or fail: each ends as a failed run with its reason, and nothing else
// is blamed.
namespace brenx::scenario {
namespace {

const std::vector<std::string> kListRun = {"-iL:\\brenx.ini", "-r"};

std::string ListSettings(const std::string& list) {
    return kSettings + "source=@" + list + "\r\ndestination=t:\\dst\r\n";
}

// The number of characters in a UTF-8 text, each byte that is not part of a
// whole sequence counting as one (as the program counts them).
std::size_t Characters(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); ++count) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead >= 0xF0 && lead <= 0xF4   ? 4
                                   : lead >= 0xE0 && lead <= 0xEF ? 3
                                   : lead >= 0xC2 && lead <= 0xDF ? 2
                                                                  : 1;
        bool whole = at + length <= text.size();
        for (std::size_t i = 1; whole && i < length; ++i)
            whole = (static_cast<unsigned char>(text[at + i]) & 0xC0) == 0x80;
        at += whole ? length : 1;
    }
    return count;
}

TEST(JobListScenario, AListThatCannotBeOpenedFailsTheRun) {
    struct Case {
        const char* what;
        std::string list;   // as the settings name it
        std::string named;  // as the failure text names it
    };
    const Case cases[] = {
        {"missing", "nosuch.lst", "L:\\nosuch.lst"},
        {"a fifo", "jobs.fifo", "L:\\jobs.fifo"},
        {"a device", "c:\\dev\\zero", "c:\\dev\\zero"},
    };
    for (const Case& c : cases) {
        Scenario scenario;
        scenario.Write("brenx.ini", ListSettings(c.list));
        ASSERT_EQ(mkfifo(scenario.Host("jobs.fifo").c_str(), 0600), 0);
        const RunResult run = RunBrenxc(scenario, kListRun);
        EXPECT_EQ(run.exitCode, 75) << c.what << "\n" << run.errors;
        EXPECT_TRUE(Contains(run.errors, "Sorry: @ failure with @" + c.named)) << run.errors;
        EXPECT_FALSE(Contains(run.errors, "Hooray")) << c.what;
    }
}

TEST(JobListScenario, ARefusedQuestionGivesItsSubjectAsTheReason) {
    Scenario scenario;
    scenario.Write("brenx.ini", ListSettings("jobs.lst"));
    scenario.Write("s/a.txt", "alpha");
    scenario.Write("jobs.lst", "s:\\|s\r\nno bar here\r\n");
    const RunResult run = RunBrenxc(scenario, kListRun, "n\n");
    EXPECT_EQ(run.exitCode, 37) << run.errors;
    EXPECT_TRUE(
        Contains(run.errors, "Sorry: missing | on line 2 of @L:\\jobs.lst: \"no bar here\""))
        << run.errors;
    EXPECT_FALSE(Contains(run.errors, "undocumented"));
}

TEST(JobListScenario, AListThatNamesItselfEnds) {
    Scenario scenario;
    scenario.Write("brenx.ini", ListSettings("jobs.lst"));
    scenario.Write("s/a.txt", "alpha");
    scenario.Write("jobs.lst", "s:\\|s\r\n@jobs.lst\r\n");
    BrenxcSession session(scenario, kListRun);
    const RunResult run = session.Finish(std::chrono::seconds(10));
    EXPECT_EQ(run.exitCode, 75) << run.errors.substr(0, 2000);
    EXPECT_TRUE(Contains(run.errors, "which this list has already opened")) << run.errors;
    EXPECT_TRUE(Contains(run.errors, "Sorry: @ failure with @L:\\jobs.lst"));
}

// A line of more than 401 characters comes in pieces; a UTF-8 sequence cut
// short at the piece's end never makes a piece longer than 401 characters.
TEST(JobListScenario, APieceOfALongLineHoldsAtMost401Characters) {
    Scenario scenario;
    scenario.Write("brenx.ini", ListSettings("jobs.lst"));
    scenario.Write("jobs.lst", std::string(400, 'a') + "\xE2\x82" + "bc|\r\n");
    const RunResult run = RunBrenxc(scenario, kListRun, "n\n");
    EXPECT_EQ(run.exitCode, 37) << run.errors;
    const std::string before = "missing | on line 1 of @L:\\jobs.lst: \"";
    const std::size_t start = run.errors.find(before);
    ASSERT_NE(start, std::string::npos) << run.errors;
    const std::size_t end = run.errors.find("\"; OK to pretend", start);
    ASSERT_NE(end, std::string::npos) << run.errors;
    const std::string piece = run.errors.substr(start + before.size(), end - start - before.size());
    EXPECT_EQ(Characters(piece), 401u) << piece.substr(398);
}

// The list fails after a job that copied nothing: the destination it never
// wrote is not flushed, so its trouble cannot stand in for the real failure.
TEST(JobListScenario, AFailedListFlushesNoDestinationItNeverWrote) {
    Scenario scenario;
    scenario.Write("brenx.ini", ListSettings("jobs.lst"));
    scenario.Write("s/a.txt", "alpha");
    ASSERT_EQ(RunBrenxc(scenario, CopyArguments({"-r"})).exitCode, 0);
    // Now the list's job finds a.txt up to date and copies nothing.
    scenario.Write("jobs.lst", "s:\\|s\r\nno bar here\r\n");
    BrenxcSession session(scenario, kListRun);
    ASSERT_TRUE(session.WaitFor("OK to pretend it's there anyway?"));
    // Meanwhile the destination became a place that cannot be flushed.
    ASSERT_EQ(std::rename(scenario.Host("t/dst").c_str(), scenario.Host("t/old").c_str()), 0);
    ASSERT_EQ(symlink("dst", scenario.Host("t/dst").c_str()), 0);
    session.Type("n\n");
    const RunResult run = session.Finish();
    EXPECT_EQ(run.exitCode, 37) << run.errors;
    EXPECT_FALSE(Contains(run.errors, "Couldn't flush")) << run.errors;
    EXPECT_TRUE(Contains(run.errors, "Sorry: missing | on line 2")) << run.errors;
}

// A list named by the first argument runs. A NUL in a job's line fails its
// directory check, which stays the reason (no failed flush takes its place).
TEST(JobListScenario, AListFromTheCommandLineAndANulInALine) {
    Scenario scenario;
    scenario.Write("brenx.ini", kSettings);
    scenario.Write("s/a.txt", "alpha");
    scenario.Write("jobs.lst", std::string("s:\\|s\r\ns:\\x\0y|s\r\n", 17));
    const RunResult run =
        RunBrenxc(scenario, {"@L:\\jobs.lst", "t:\\dst", "-iL:\\brenx.ini", "-r"});
    EXPECT_EQ(run.exitCode, 10) << run.errors;
    EXPECT_EQ(scenario.Read("t/dst/a.txt"), "alpha");
    EXPECT_TRUE(Contains(run.errors, "Some kind of problem with source: s:\\x?y\\")) << run.errors;
    EXPECT_TRUE(Contains(run.errors, "Sorry: CheckDirectories")) << run.errors;
    EXPECT_FALSE(Contains(run.errors, "flush")) << run.errors;
}

}  // namespace
}  // namespace brenx::scenario
