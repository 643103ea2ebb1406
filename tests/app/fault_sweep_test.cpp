// Whole runs of each job kind (a copy with its completion: the CRC log's
// copy, the counts file and the flush; verify; read-back; archive-bit
// clearing), again and again with a fault at one file-system call, each call
// in turn (and each kind of call failing from its first call on): whatever
// fails, the run ends with an exit code of its job, the fault fired, nothing
// is lost (sources, media and the CRC log read stay as they were), the logs
// hold whole lines only, every CRC line is true, and a run that ends with 0
// did all of its work.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "app/app_world.h"
#include "copy/copy_world.h"
#include "platform/file_attributes.h"
#include "testkit/archive_bits.h"
#include "testkit/memory_backed_temp.h"
#include "testkit/steady_operator.h"

namespace brenx::app {
namespace {

using platform::FsCall;
using platform::HostError;
using platform::testing::TempDrives;

const std::map<std::string, std::string> kTree = {
    {"a.txt", std::string(70000, 'a')},  // two blocks
    {"b.txt", "bee"},
    {"sub/c.txt", "sea"},
    {"sub/d.txt", ""},
};
const std::string kOldCounts = "filecount: 7\r\nbyte: 70\r\nskipped: 0\r\n";

void PutTree(TempDrives& drives, const std::string& root) {
    std::filesystem::create_directories(drives.Host(root + "/sub"));
    for (const auto& [name, content] : kTree)
        drives.Write(root + "/" + name, content);
}

std::string CrcLog() {
    std::string text;
    for (const auto& [name, content] : kTree) {
        std::string windows = name;
        std::replace(windows.begin(), windows.end(), '/', '\\');
        text += "|e:\\dst\\" + windows + "|" + copy::testing::CrcText(content) + "\r\n";
    }
    return text;
}

class SweepWorld;

// A job of the sweep: its command line and settings file, what the drives
// hold before it runs, the log it writes, the exit codes it may end with,
// and what else it must leave true.
struct Job {
    const char* name;
    std::vector<std::string> arguments;
    std::string settings;
    std::string log;  // the host path of its log, under the drives' root
    std::set<std::int32_t> codes;
    std::function<void(TempDrives&)> prepare;
    std::function<void(SweepWorld&, const std::string&)> check;
};

// One whole run with the fault of the test's choosing, on memory-backed
// drives. The options are loaded before the counts start, so the calls
// counted are the run's.
class SweepWorld : testkit::MemoryBackedTemp, public testing::WholeRun<testkit::SteadyOperator> {
  public:
    SweepWorld(const Job& job, run::MediaAnswer answer)
        : WholeRun(job.arguments, "d:\\prog", answer) {
        std::filesystem::create_directories(drives.Host("d/prog"));
        PutTree(drives, "d/src");
        drives.Write("d/brenx.ini", job.settings);
        if (job.prepare) job.prepare(drives);
        options.LoadJobSettings();
        fs.ResetCounts();
    }

    bool Logged(const std::string& logPath, const std::string& text) const {
        return drives.Read(logPath).find(text) != std::string::npos;
    }
};

// The text holds whole lines only (each ends with CR LF, no stray CR or LF).
void ExpectWholeLines(const std::string& text, const std::string& where) {
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        const std::string line = text.substr(start, end - start);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << where << ": " << line;
    }
    EXPECT_EQ(start, text.size()) << where << ": half a line at the end";
}

// Every tree file under `root` is either missing or whole; true when all are there.
bool TreeWhole(SweepWorld& world, const std::string& root, const std::string& where) {
    bool all = true;
    for (const auto& [name, content] : kTree) {
        if (!world.drives.Exists(root + "/" + name)) {
            all = false;
            continue;
        }
        EXPECT_EQ(world.drives.Read(root + "/" + name), content) << where << ": " << root << name;
    }
    return all;
}

// The CRC lines of the copy's log are true, and a run that ends with 0
// without a question logged every file.
void CheckCopy(SweepWorld& world, const std::string& where) {
    const std::string log = world.drives.Read("d/run.log");
    const bool all = TreeWhole(world, "e/dst", where);
    int crcLines = 0;
    const std::regex crcLine("\\|e:\\\\dst\\\\([^|]*)\\|([0-9A-F]+)\r\n");
    for (auto it = std::sregex_iterator(log.begin(), log.end(), crcLine);
         it != std::sregex_iterator(); ++it) {
        std::string name = (*it)[1];
        std::replace(name.begin(), name.end(), '\\', '/');
        EXPECT_EQ((*it)[2], copy::testing::CrcText(kTree.at(name))) << where << ": " << name;
        ++crcLines;
    }
    if (world.run->verdict.Code() == 0 && world.op.questions == 0) {
        EXPECT_TRUE(all) << where << ": success with files missing";
        EXPECT_EQ(crcLines, 4) << where << ": success with CRC lines missing";
    }
    // The media's own CRC log is the log as it was, whole lines of it.
    if (world.drives.Exists("e/dst/brun.log")) {
        const std::string copied = world.drives.Read("e/dst/brun.log");
        EXPECT_EQ(log.substr(0, copied.size()), copied) << where;
        ExpectWholeLines(copied, where + ", the CRC log's copy");
    }
    // The counts are the old ones, the new ones, or the log says why not.
    const std::string counts = world.drives.Read("d/counts.txt");
    const std::regex whole("filecount: [0-9]+\r\nbyte: [0-9]+\r\nskipped: [0-9]+\r\n");
    if (!std::regex_match(counts, whole)) {
        EXPECT_TRUE(world.Logged("d/run.log", "Couldn't save the counts to d:\\counts.txt"))
            << where << ": counts file left as \"" << counts << "\"";
    }
}

void CheckVerify(SweepWorld& world, const std::string& where) {
    EXPECT_EQ(world.drives.Read("d/crc.log"), CrcLog()) << where;
    TreeWhole(world, "e/dst", where);
    if (world.run->verdict.Code() == 0 && world.op.questions == 0) {
        EXPECT_EQ(world.run->counters.fileCount, 4) << where << ": success with files unchecked";
    }
}

void CheckReadBack(SweepWorld& world, const std::string& where) {
    TreeWhole(world, "e/dst", where);
    if (world.run->verdict.Code() == 0 && world.op.questions == 0) {
        EXPECT_EQ(world.run->counters.fileCount, 4) << where << ": success with files unread";
    }
}

// Each file's bit is cleared or its failure logged; the read-only bit stays.
void CheckArcClear(SweepWorld& world, const std::string& where) {
    platform::FileSystem& plain = world.drives.Fs();
    EXPECT_NE(plain.GetAttributes("d:\\src\\b.txt") & platform::kAttrReadOnly, 0) << where;
    if (world.run->verdict.Code() != 0 || !testkit::TempDrivesClearArchiveBits()) return;
    for (const auto& [name, content] : kTree) {
        std::string windows = "d:\\src\\" + name;
        std::replace(windows.begin(), windows.end(), '/', '\\');
        if ((plain.GetAttributes(windows) & platform::kAttrArchive) == 0) continue;
        EXPECT_TRUE(world.Logged("d/arc.log", "Couldn't clear the archive bit of " + windows))
            << where << ": " << windows << " kept its bit unseen";
    }
}

const std::vector<Job>& Jobs() {
    static const std::vector<Job> jobs = {
        {"copy",
         {"d:\\src\\", "e:\\dst\\", "-s", "-r", "-id:\\brenx.ini"},
         "[brenx]\r\nlog=run.log\r\ncounts=counts.txt\r\n",
         "d/run.log",
         {0, 3, 4, 9, 10, 22, 23},
         [](TempDrives& drives) { drives.Write("d/counts.txt", kOldCounts); },
         CheckCopy},
        {"verify",
         {"-vd:\\crc.log", "-r", "-x", "-ld:\\verify.log"},
         "",
         "d/verify.log",
         {0, 8},
         [](TempDrives& drives) {
             PutTree(drives, "e/dst");
             drives.Write("d/crc.log", CrcLog());
         },
         CheckVerify},
        {"read-back",
         {"-s", "-r", "-id:\\brenx.ini", "-ld:\\read.log"},
         "[brenx]\r\nread=1\r\ndestination=e:\\dst\\\r\n",
         "d/read.log",
         {0, 14, 15, 16},
         [](TempDrives& drives) { PutTree(drives, "e/dst"); },
         CheckReadBack},
        {"archive bits",
         {"-s", "-r", "-id:\\brenx.ini", "-ld:\\arc.log"},
         "[brenx]\r\nstopbak=1\r\nsource=d:\\src\\\r\n",
         "d/arc.log",
         {0, 7, 11, 12, 13},
         [](TempDrives& drives) {
             for (const auto& [name, content] : kTree) {
                 std::string windows = "d:\\src\\" + name;
                 std::replace(windows.begin(), windows.end(), '/', '\\');
                 drives.Fs().SetAttributes(windows, platform::kAttrArchive);
             }
             drives.Fs().SetAttributes("d:\\src\\b.txt",
                                       platform::kAttrArchive | platform::kAttrReadOnly);
         },
         CheckArcClear},
    };
    return jobs;
}

void CheckRun(SweepWorld& world, const Job& job, std::int32_t code, const std::string& where) {
    EXPECT_TRUE(job.codes.contains(code)) << where << ": exit code " << code;
    EXPECT_TRUE(TreeWhole(world, "d/src", where)) << where << ": a source went";
    ExpectWholeLines(world.drives.Read(job.log), where + ", the log");
    job.check(world, where);
}

// The calls of each kind that a clean run of the job makes.
std::map<FsCall, int> CleanRunCalls(const Job& job) {
    SweepWorld clean(job, run::MediaAnswer::GiveUp);
    EXPECT_EQ(clean.Run(), 0) << job.name;
    EXPECT_EQ(clean.op.questions, 0) << job.name;
    // Every file was copied, checked, read or cleared (a copy adds to the old counts).
    EXPECT_GE(clean.run->counters.fileCount, 4) << job.name;
    EXPECT_EQ(clean.run->counters.archiveKept, 0) << job.name;
    CheckRun(clean, job, 0, std::string(job.name) + ", clean");
    std::map<FsCall, int> calls;
    for (std::size_t k = 0; k < platform::kFsCallKinds; ++k) {
        const auto kind = static_cast<FsCall>(k);
        if (clean.fs.Calls(kind) > 0) calls[kind] = clean.fs.Calls(kind);
    }
    return calls;
}

std::string Describe(const Job& job, FsCall kind, int n, bool persistent) {
    return std::string(job.name) + ": fault at call " + std::to_string(n) + " of kind " +
           std::to_string(static_cast<int>(kind)) + (persistent ? " (lasting)" : "");
}

void Sweep(const Job& job, run::MediaAnswer answer) {
    for (const auto& [kind, count] : CleanRunCalls(job)) {
        for (int n = 1; n <= count + 1; ++n) {
            const bool persistent = n > count;
            const std::string where = Describe(job, kind, n, persistent);
            SweepWorld world(job, answer);
            world.fs.FailCall(kind, persistent ? 1 : n, HostError::IoError, persistent);
            const std::int32_t code = world.Run();
            ASSERT_GT(world.fs.FaultsFired(), 0) << where << ": the fault never fired";
            CheckRun(world, job, code, where);
        }
    }
}

TEST(RunFaultSweep, EveryFaultEndsCleanlyWhenTheOperatorGivesUp) {
    for (const Job& job : Jobs())
        Sweep(job, run::MediaAnswer::GiveUp);
}

TEST(RunFaultSweep, EveryFaultEndsCleanlyWhenTheOperatorTriesAgain) {
    for (const Job& job : Jobs())
        Sweep(job, run::MediaAnswer::TryAgain);
}

TEST(RunFaultSweep, EveryFaultEndsCleanlyWhenTheOperatorSkips) {
    for (const Job& job : Jobs())
        Sweep(job, run::MediaAnswer::Skip);
}

// Writes cut short: the logs, the copies, the counts file and the CRC log's
// copy keep no half line or half file.
TEST(RunFaultSweep, WritesCutShortLeaveNothingHalfWritten) {
    for (const Job& job : Jobs()) {
        const int writes = CleanRunCalls(job)[FsCall::Write];
        for (int n = 1; n <= writes; ++n) {
            const std::string where = std::string(job.name) + ": write " + std::to_string(n);
            SweepWorld world(job, run::MediaAnswer::TryAgain);
            world.fs.ShortenWrite(n, 1);
            const std::int32_t code = world.Run();
            ASSERT_EQ(world.fs.FaultsFired(), 1) << where;
            CheckRun(world, job, code, where);
        }
    }
}

}  // namespace
}  // namespace brenx::app
