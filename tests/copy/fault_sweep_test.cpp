// A small copy run again and again with a fault at one file-system call,
// each call in turn (and each kind of call failing from its first call on):
// whatever fails, the run must end with a fitting exit code, leave no
// partial or wrong file on the destination, never touch the source, and
// leave a log of whole lines whose CRC lines are all true.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "copy/copy_tree.h"
#include "copy/copy_world.h"
#include "copy/flush.h"
#include "run/exit_codes.h"
#include "testkit/steady_operator.h"

namespace brenx::copy {
namespace {

using platform::FsCall;
using platform::HostError;
using testing::CopyFileSystem;
using testing::CrcText;

using SweepOperator = testkit::SteadyOperator;

const std::map<std::string, std::string> kSources = {
    {"a.txt", std::string(70000, 'a')},  // two blocks
    {"b.txt", "bee"},
    {"sub/c.txt", "sea"},
    {"sub/d.txt", ""},
};

struct SweepRun {
    explicit SweepRun(run::MediaAnswer answer)
        : fs(drives.Fs()),
          op(answer),
          options(fs, op, options::OptionInputs{{}, testing::NoEnvironment, "d:\\", "2612061806"}),
          log(fs, "d:\\run.log"),
          run(run::RunParts{options, fs, log, op, board, starter, ticks}) {
        drives.Fs().SetCurrentDirectory("d:\\");
        for (const auto& [name, content] : kSources) {
            std::filesystem::create_directories(drives.Host("d/src/sub"));
            drives.Write("d/src/" + name, content);
        }
        options.Settings().recurse = true;
        options.Settings().destination = "e:\\dst\\";
        run.jobMode = run::JobMode::Copy;
        run.destinationRoot = "e:\\";
    }

    platform::testing::TempDrives drives;
    CopyFileSystem fs;
    SweepOperator op;
    testkit::RecordingStatusBoard board;
    testkit::RecordingProcessStarter starter;
    testkit::FakeTickSource ticks;
    options::OptionLoad options;
    options::Log log;
    run::RunState run;
};

std::string Describe(FsCall kind, int n, bool persistent) {
    return "fault at call " + std::to_string(n) + " of kind " +
           std::to_string(static_cast<int>(kind)) + (persistent ? " (lasting)" : "");
}

// The log's text after its last CR LF, and every CRC line, checked.
void CheckLog(SweepRun& sweep, const std::string& where) {
    const std::string text = sweep.drives.Read("d/run.log");
    if (!text.empty()) {
        ASSERT_GE(text.size(), 2u) << where;
        EXPECT_EQ(text.substr(text.size() - 2), "\r\n") << where << ": half a line";
    }
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        const std::string line = text.substr(start, end - start);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << where << ": " << line;
        if (line.rfind("|e:\\dst\\", 0) != 0) continue;
        const std::size_t bar = line.find('|', 1);
        ASSERT_NE(bar, std::string::npos) << where << ": " << line;
        std::string name = line.substr(8, bar - 8);
        std::replace(name.begin(), name.end(), '\\', '/');
        ASSERT_TRUE(sweep.drives.Exists("e/dst/" + name)) << where << ": " << line;
        EXPECT_EQ(line.substr(bar + 1), CrcText(sweep.drives.Read("e/dst/" + name)))
            << where << ": " << line;
    }
}

// Every destination file is a whole copy; the sources are as they were.
// True when every file was copied.
bool CheckFiles(SweepRun& sweep, const std::string& where) {
    bool all = true;
    for (const auto& [name, content] : kSources) {
        EXPECT_EQ(sweep.drives.Read("d/src/" + name), content) << where << ": source " << name;
        if (!sweep.drives.Exists("e/dst/" + name)) {
            all = false;
            continue;
        }
        EXPECT_EQ(sweep.drives.Read("e/dst/" + name), content) << where << ": copy " << name;
    }
    return all;
}

void CheckOutcome(SweepRun& sweep, bool result, const std::string& where, bool skipped) {
    const std::int32_t code = sweep.run.exitCode;
    if (result) {
        EXPECT_EQ(code, 0) << where;
    } else {
        EXPECT_TRUE(code == run::kExitCopyFiles || code == run::kExitCopyDirectories ||
                    code == kExitFlushFailed)
            << where << ": exit code " << code;
    }
    const bool all = CheckFiles(sweep, where);
    // A run that reports success copied everything, unless the operator
    // chose to skip files.
    if (code == 0 && !skipped) {
        EXPECT_TRUE(all) << where << ": success with files missing";
    }
    CheckLog(sweep, where);
}

// The calls of each kind that a clean run makes.
std::map<FsCall, int> CleanRunCalls() {
    SweepRun clean(run::MediaAnswer::GiveUp);
    EXPECT_TRUE(CopyTree(clean.run, "d:\\src\\", "e:\\dst\\"));
    EXPECT_TRUE(CheckFiles(clean, "clean run"));
    std::map<FsCall, int> calls;
    for (std::size_t k = 0; k < platform::kFsCallKinds; ++k) {
        const auto kind = static_cast<FsCall>(k);
        if (clean.fs.Calls(kind) > 0) calls[kind] = clean.fs.Calls(kind);
    }
    return calls;
}

void Sweep(run::MediaAnswer answer) {
    for (const auto& [kind, count] : CleanRunCalls()) {
        for (int n = 1; n <= count + 1; ++n) {
            const bool persistent = n > count;
            SweepRun sweep(answer);
            sweep.fs.FailCall(kind, persistent ? 1 : n, HostError::IoError, persistent);
            const bool result = CopyTree(sweep.run, "d:\\src\\", "e:\\dst\\");
            EXPECT_GT(sweep.fs.FaultsFired(), 0) << Describe(kind, n, persistent);
            CheckOutcome(sweep, result, Describe(kind, n, persistent),
                         answer == run::MediaAnswer::Skip && sweep.op.questions > 0);
        }
    }
}

TEST(FaultSweep, EveryFaultEndsCleanlyWhenTheOperatorGivesUp) {
    Sweep(run::MediaAnswer::GiveUp);
}

TEST(FaultSweep, EveryFaultEndsCleanlyWhenTheOperatorTriesAgain) {
    Sweep(run::MediaAnswer::TryAgain);
}

TEST(FaultSweep, EveryFaultEndsCleanlyWhenTheOperatorSkips) {
    Sweep(run::MediaAnswer::Skip);
}

TEST(FaultSweep, WritesCutShortLeaveNoHalfFiles) {
    const int writes = CleanRunCalls()[FsCall::Write];
    for (int n = 1; n <= writes; ++n) {
        SweepRun sweep(run::MediaAnswer::TryAgain);
        sweep.fs.ShortenWrite(n, 1);
        const bool result = CopyTree(sweep.run, "d:\\src\\", "e:\\dst\\");
        EXPECT_EQ(sweep.fs.FaultsFired(), 1) << "write " << n;
        CheckOutcome(sweep, result, "write " + std::to_string(n) + " cut short", false);
    }
}

}  // namespace
}  // namespace brenx::copy
