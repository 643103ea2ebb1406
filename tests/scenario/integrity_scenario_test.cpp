#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "scenario_kit.h"
#include "testkit/deep_tree.h"

// Nothing left out unseen and no proof lost: hostile trees and a log that
// cannot be written, run end to end by brenxc.
namespace brenx::scenario {
namespace {

// A file whose path is past the host's limit cannot be looked at: the copy
// and the read-back ask about it with the reason, where they used to leave
// it out and end well.
TEST(IntegrityScenario, AFileBeyondTheHostsPathLimitIsAskedAboutNotLeftOut) {
    for (const bool readBack : {false, true}) {
        Scenario scenario;
        const std::string tree = readBack ? "t/dst" : "s";
        std::filesystem::create_directories(scenario.Host(tree));
        scenario.Write("brenx.ini",
                       kSettings + (readBack ? "read=1\r\ndestination=t:\\dst\\\r\n" : ""));
        testkit::DeepTree deep(scenario.Host(tree), 3900);
        ASSERT_TRUE(deep.Write("near.txt", "near"));
        ASSERT_TRUE(deep.Write(std::string(250, 'f'), "far"));
        const std::vector<std::string> arguments =
            readBack ? std::vector<std::string>{"-s", "-r", "-iL:\\brenx.ini"}
                     : CopyArguments({"-r"});
        const RunResult run = RunBrenxc(scenario, arguments, "n\n");
        EXPECT_TRUE(Contains(run.errors, "(the name is too long for this medium)")) << run.errors;
        EXPECT_EQ(run.exitCode, readBack ? 16 : 4) << run.errors;
        if (!readBack) {
            EXPECT_EQ(scenario.Read("t/dst/" +
                                    std::filesystem::path(deep.Path())
                                        .lexically_relative(scenario.Host("s"))
                                        .string() +
                                    "/near.txt"),
                      "near");
        }
    }
}

// A CRC line longer than the writer's old limit of 2,000 characters is
// written whole, and verify checks the file by it.
TEST(IntegrityScenario, AVeryLongPathKeepsItsCrcLineAndVerifies) {
    Scenario scenario;
    scenario.Write("brenx.ini", kSettings);
    std::string relative;
    for (int level = 0; level < 11; ++level)
        relative += std::string(200, static_cast<char>('a' + level)) + "/";
    scenario.Write("s/" + relative + "long.txt", "long");
    const RunResult copy = RunBrenxc(scenario, CopyArguments({"-r"}));
    ASSERT_EQ(copy.exitCode, 0) << copy.errors;
    std::string windows = relative + "long.txt";
    std::replace(windows.begin(), windows.end(), '/', '\\');
    EXPECT_TRUE(Contains(scenario.Read("run.log"),
                         "\r\n|t:\\dst\\" + windows + "|" + CrcText("long") + "\r\n"));
    const std::vector<std::string> verify = {"-vL:\\run.log", "-r", "-lL:\\verify.log"};
    EXPECT_EQ(RunBrenxc(scenario, verify).exitCode, 0);
    scenario.Write("t/dst/" + relative + "long.txt", "lung");
    EXPECT_EQ(RunBrenxc(scenario, verify).exitCode, 8);
}

// The run that lost a CRC line fails with its own code, and says so before
// the failure banner.
void ExpectLostProof(const RunResult& run, const std::string& log) {
    EXPECT_EQ(run.exitCode, 23) << run.errors;
    const std::size_t told = run.errors.find("could not be written to " + log);
    const std::size_t banner = run.errors.find("Oops sorry about that...");
    EXPECT_NE(told, std::string::npos) << run.errors;
    EXPECT_NE(banner, std::string::npos) << run.errors;
    EXPECT_LT(told, banner) << run.errors;
    EXPECT_TRUE(
        Contains(run.errors, "Sorry: the CRC line of 1 copied file couldn't be written to " + log))
        << run.errors;
    EXPECT_FALSE(Contains(run.errors, "Hooray")) << run.errors;
}

TEST(IntegrityScenario, ARunWhoseLogCannotBeWrittenFails) {
    for (const std::string log : {"l:\\logs", "l:\\nodir\\run.log"}) {
        Scenario scenario;
        std::filesystem::create_directories(scenario.Host("logs"));
        scenario.Write("s/a.txt", "alpha");
        const RunResult run = RunBrenxc(scenario, {"s:\\", "t:\\dst\\", "-r", "-x", "-l" + log});
        ExpectLostProof(run, log);
        EXPECT_EQ(scenario.Read("t/dst/a.txt"), "alpha");
    }
}

// A small RAM disk, filled up or read-only; unmounted at the end.
class SmallDisk {
  public:
    SmallDisk(const std::string& directory, bool readOnly) : directory_(directory) {
        std::filesystem::create_directories(directory);
        mounted_ =
            mount("tmpfs", directory.c_str(), "tmpfs", readOnly ? MS_RDONLY : 0, "size=64k") == 0;
        if (!mounted_ || readOnly) return;
        const int fd = open((directory + "/filler").c_str(), O_WRONLY | O_CREAT, 0644);
        const std::string block(4096, 'x');
        while (write(fd, block.data(), block.size()) > 0) {
        }
        close(fd);
    }
    ~SmallDisk() {
        if (mounted_) umount(directory_.c_str());
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    bool Mounted() const { return mounted_; }

  private:
    std::string directory_;
    bool mounted_ = false;
};

TEST(IntegrityScenario, ARunWhoseLogDiskIsFullOrReadOnlyFails) {
    for (const bool readOnly : {false, true}) {
        Scenario scenario;
        SmallDisk disk(scenario.Host("small"), readOnly);
        if (!disk.Mounted()) GTEST_SKIP() << "no tmpfs can be mounted here (needs root)";
        scenario.drives += ";f=" + scenario.Host("small");
        scenario.Write("s/a.txt", "alpha");
        const RunResult run =
            RunBrenxc(scenario, {"s:\\", "t:\\dst\\", "-r", "-x", "-lf:\\run.log"});
        ExpectLostProof(run, "f:\\run.log");
        EXPECT_EQ(scenario.Read("small/run.log"), "");  // no half line
        EXPECT_EQ(scenario.Read("t/dst/a.txt"), "alpha");
    }
}

// A name with "|" cannot stand in a CRC line: it is asked about, and when
// passed over it is logged, counted and told once at the end.
TEST(IntegrityScenario, ANameWithABarIsPassedOverAndTold) {
    Scenario scenario;
    scenario.Write("brenx.ini", kSettings);
    scenario.Write("s/ok.txt", "fine");
    scenario.Write("s/x|y.txt", "bar");
    const RunResult run = RunBrenxc(scenario, CopyArguments({"-r"}), "n\n");
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_TRUE(Contains(run.errors,
                         "something screwy about \"s:\\x|y.txt\"; not processing; abruptly "
                         "give-up?"))
        << run.errors;
    EXPECT_TRUE(Contains(run.errors, "1 entry was passed over for something screwy about it"))
        << run.errors;
    EXPECT_FALSE(scenario.Exists("t/dst/x|y.txt"));
    const std::string log = scenario.Read("run.log");
    EXPECT_TRUE(Contains(log, "Passed over \"s:\\x|y.txt\": a \"|\" in its name")) << log;
    EXPECT_FALSE(Contains(log, "|t:\\dst\\x|")) << log;
    EXPECT_EQ(scenario.Read("t/dst/ok.txt"), "fine");
}

}  // namespace
}  // namespace brenx::scenario
