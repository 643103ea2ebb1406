#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "scenario_kit.h"

// What a copy must never do to the media: destroy an older copy it fails to
// replace, pass off a source that changed under it as a good copy, or follow
// a link planted on the destination.
namespace brenx::scenario {
namespace {

const std::string kOlder = std::string(200000, 'o');
const std::string kNewer = std::string(300000, 'n');

// Old enough for NewerOnly to take the source.
void DateLongAgo(const Scenario& scenario, const std::string& relative) {
    const timespec dates[2] = {{1600000000, 0}, {1600000000, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, scenario.Host(relative).c_str(), dates, AT_SYMLINK_NOFOLLOW), 0);
}

// A source of several blocks over an older copy on the media.
void WriteReplacement(const Scenario& scenario, const std::string& settings = kSettings) {
    scenario.Write("brenx.ini", settings);
    scenario.Write("s/big.bin", kNewer);
    scenario.Write("t/dst/big.bin", kOlder);
    DateLongAgo(scenario, "t/dst/big.bin");
}

// Stop pressed at the start question: the copy asks "Give up now?" at its
// first poll, after the first block of the first file.
void StopInTheFirstFile(BrenxcSession& session) {
    ASSERT_TRUE(session.WaitFor("[y] OK  [n] No"));
    session.Interrupt();
    ASSERT_TRUE(session.WaitFor("(Stop noted"));
    session.Type("y\n");
    ASSERT_TRUE(session.WaitFor("Give up now?"));
}

// The names in a directory of the scenario, but the media's own CRC log.
std::vector<std::string> Names(const Scenario& scenario, const std::string& relative) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(scenario.Host(relative))) {
        if (entry.path().filename() != "brun.log")
            names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(CopySafetyScenario, AReplacementGivenUpHalfWayLeavesTheOlderCopy) {
    Scenario scenario;
    WriteReplacement(scenario);
    BrenxcSession session(scenario, CopyArguments());
    StopInTheFirstFile(session);
    // Half the new copy is written, somewhere else.
    EXPECT_TRUE(scenario.Read("t/dst/big.bin") == kOlder);
    session.Type("y\n");
    const RunResult run = session.Finish();
    EXPECT_EQ(run.exitCode, 3) << run.errors;
    EXPECT_TRUE(scenario.Read("t/dst/big.bin") == kOlder);
    EXPECT_EQ(Names(scenario, "t/dst"), std::vector<std::string>{"big.bin"});
}

TEST(CopySafetyScenario, ARunKilledHalfWayLeavesTheOlderCopyAndTheNextRunTidiesUp) {
    Scenario scenario;
    WriteReplacement(scenario);
    {
        BrenxcSession session(scenario, CopyArguments());
        StopInTheFirstFile(session);
        session.Kill();
    }
    EXPECT_TRUE(scenario.Read("t/dst/big.bin") == kOlder);
    EXPECT_EQ(Names(scenario, "t/dst").size(), 2u);  // the older copy, and the unfinished one

    const RunResult again = RunBrenxc(scenario, CopyArguments({"-r"}));
    EXPECT_EQ(again.exitCode, 0) << again.errors;
    EXPECT_TRUE(scenario.Read("t/dst/big.bin") == kNewer);
    EXPECT_EQ(Names(scenario, "t/dst"), std::vector<std::string>{"big.bin"});
    EXPECT_TRUE(Contains(scenario.Read("run.log"), ", a copy an earlier run left unfinished\r\n"))
        << scenario.Read("run.log");
}

TEST(CopySafetyScenario, WithRoomOnlyInTheOlderCopysPlaceItGoesFirstAndThatIsLogged) {
    for (const bool roomForBoth : {false, true}) {
        Scenario scenario;
        // 150,000 bytes free: the new copy fits only in the older one's place.
        WriteReplacement(scenario,
                         kSettings + (roomForBoth ? "fakesize=900000\r\n" : "fakesize=150000\r\n"));
        const RunResult run = RunBrenxc(scenario, CopyArguments({"-r"}));
        EXPECT_EQ(run.exitCode, 0) << run.errors;
        EXPECT_TRUE(scenario.Read("t/dst/big.bin") == kNewer);
        EXPECT_EQ(Contains(scenario.Read("run.log"),
                           "Removed t:\\dst\\big.bin to make room for its new copy (no room on "
                           "the medium for both)\r\n"),
                  !roomForBoth)
            << scenario.Read("run.log");
    }
}

TEST(CopySafetyScenario, ASourceCutShortWhileCopiedIsLoggedCountedAndToldOnce) {
    Scenario scenario;
    scenario.Write("brenx.ini", kSettings);
    scenario.Write("s/big.bin", kNewer);
    scenario.Write("s/sub/small.txt", "small");
    BrenxcSession session(scenario, CopyArguments());
    StopInTheFirstFile(session);
    ASSERT_EQ(truncate(scenario.Host("s/big.bin").c_str(), 100000), 0);
    session.Type("n\n");
    const RunResult run = session.Finish();
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    const std::string copy = scenario.Read("t/dst/big.bin");
    EXPECT_TRUE(copy == kNewer.substr(0, 100000));
    const std::string log = scenario.Read("run.log");
    // The CRC line tells what was copied; the change is logged beside it.
    EXPECT_TRUE(Contains(log, "|t:\\dst\\big.bin|" + CrcText(copy) + "\r\n")) << log;
    EXPECT_TRUE(Contains(log, "Source s:\\big.bin changed while it was copied")) << log;
    EXPECT_TRUE(Contains(run.errors, "1 file changed while it was copied")) << run.errors;
    // The bytes actually copied are counted.
    EXPECT_EQ(scenario.Read("counts.txt"), "filecount: 2\r\nbyte: 100005\r\nskipped: 0\r\n");
}

TEST(CopySafetyScenario, ADirectoryLinkOnTheMediaIsNeverFollowed) {
    Scenario scenario;
    scenario.Write("brenx.ini", kSettings);
    scenario.Write("s/a.txt", "alpha");
    scenario.Write("s/etc/passwd", "planted");
    scenario.Write("outside/keep.txt", "keep");
    std::filesystem::create_directories(scenario.Host("t/dst"));
    ASSERT_EQ(symlink(scenario.Host("outside").c_str(), scenario.Host("t/dst/etc").c_str()), 0);
    // No to the directory's question, and no to the file's.
    const RunResult run = RunBrenxc(scenario, CopyArguments({"-r"}), "n\nn\n");
    EXPECT_EQ(run.exitCode, 4) << run.errors;
    EXPECT_TRUE(Contains(run.errors, "Couldn't create new directory t:\\dst\\etc\\")) << run.errors;
    EXPECT_TRUE(Contains(run.errors, "(a link stands in the way")) << run.errors;
    EXPECT_EQ(Names(scenario, "outside"), std::vector<std::string>{"keep.txt"});
    EXPECT_EQ(scenario.Read("t/dst/a.txt"), "alpha");
}

TEST(CopySafetyScenario, AFileLinkOnTheMediaIsNeitherFollowedNorReplaced) {
    Scenario scenario;
    scenario.Write("brenx.ini", kSettings);
    scenario.Write("s/a.txt", "alpha");
    scenario.Write("outside/secret.txt", "keep");
    DateLongAgo(scenario, "outside/secret.txt");
    std::filesystem::create_directories(scenario.Host("t/dst"));
    const std::string link = scenario.Host("t/dst/a.txt");
    ASSERT_EQ(symlink(scenario.Host("outside/secret.txt").c_str(), link.c_str()), 0);
    // Skip the file at its question.
    const RunResult run = RunBrenxc(scenario, CopyArguments({"-r"}), "s\n");
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_TRUE(Contains(run.errors, "Couldn't CopyBFile( s:\\a.txt, t:\\dst\\a.txt)"))
        << run.errors;
    EXPECT_EQ(scenario.Read("outside/secret.txt"), "keep");
    struct stat status {};
    ASSERT_EQ(lstat(link.c_str(), &status), 0);
    EXPECT_TRUE(S_ISLNK(status.st_mode));
    EXPECT_EQ(Names(scenario, "t/dst"), std::vector<std::string>{"a.txt"});
}

}  // namespace
}  // namespace brenx::scenario
