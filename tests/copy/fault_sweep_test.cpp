// A small copy run again and again with a fault at one file-system call,
// each call in turn (and each kind of call failing from its first call on):
// whatever fails, the run must end with a fitting exit code, leave no
// partial or wrong file on the destination, never touch the source, and
// leave a log of whole lines whose CRC lines are all true. Over older
// copies, a failed replacement leaves the older copy whole (unless only its
// place had room for the new one) and no unfinished copy behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "copy/copy_tree.h"
#include "copy/copy_world.h"
#include "copy/flush.h"
#include "run/exit_codes.h"
#include "testkit/memory_backed_temp.h"
#include "testkit/steady_operator.h"

namespace brenx::copy {
namespace {

using platform::FsCall;
using platform::HostError;
using testing::CrcText;

const std::map<std::string, std::string> kSources = {
    {"a.txt", std::string(70000, 'a')},  // two blocks
    {"b.txt", "bee"},
    {"sub/c.txt", "sea"},
    {"sub/d.txt", ""},
};

// What the destination holds before the run.
enum class Media {
    Empty,
    OlderCopies,  // an older copy of every file, with room for both
    RoomInPlace,  // the same, but a.txt fits only in its older copy's place
};

const std::map<std::string, std::string> kOlderCopies = {
    {"a.txt", std::string(70000, 'o')},
    {"b.txt", "older bee"},
    {"sub/c.txt", "older sea"},
    {"sub/d.txt", "older"},
};

// A copy world whose operator answers without a script, on memory-backed
// drives: the sources under d:\src\, and over older copies the destination
// as `media` says.
struct SweepRun : testkit::MemoryBackedTemp, testkit::BasicWorld<testkit::SteadyOperator> {
    explicit SweepRun(run::MediaAnswer answer, Media mediaIn = Media::Empty)
        : BasicWorld("d:\\", answer), media(mediaIn) {
        for (const auto& [name, content] : kSources)
            Put("d/src/" + name, content);
        if (media != Media::Empty) PutOlderCopies();
        Settings().recurse = true;
        Settings().destination = "e:\\dst\\";
        run.jobMode = run::JobMode::Copy;
        run.destinationRoot = "e:\\";
    }

    void PutOlderCopies() {
        platform::DosDateFields longAgo;
        longAgo.year = 1990;
        for (const auto& [name, content] : kOlderCopies) {
            Put("e/dst/" + name, content);
            std::string path = "e:\\dst\\" + name;
            std::replace(path.begin(), path.end(), '/', '\\');
            drives.Fs().SetFileDate(path, platform::PackDosDateTime(longAgo));
        }
        // Less than a.txt needs beside its older copy, more than in its place.
        if (media == Media::RoomInPlace) fs.fixedFree = 5000;
    }

    Media media;
};

std::string Describe(FsCall kind, int n, bool persistent, Media media) {
    return "fault at call " + std::to_string(n) + " of kind " +
           std::to_string(static_cast<int>(kind)) + (persistent ? " (lasting)" : "") +
           " over media " + std::to_string(static_cast<int>(media));
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
        // A copy that could not take its name says so under its line.
        if (text.compare(end + 2, 19, "The line above for ") == 0) continue;
        const std::size_t bar = line.find('|', 1);
        ASSERT_NE(bar, std::string::npos) << where << ": " << line;
        std::string name = line.substr(8, bar - 8);
        std::replace(name.begin(), name.end(), '\\', '/');
        ASSERT_TRUE(sweep.drives.Exists("e/dst/" + name)) << where << ": " << line;
        EXPECT_EQ(line.substr(bar + 1), CrcText(sweep.drives.Read("e/dst/" + name)))
            << where << ": " << line;
    }
}

// Every destination file is a whole copy, or the whole older copy it was
// to replace; an older copy is gone only when replaced in place. The
// sources are as they were. True when every file was copied.
bool CheckFiles(SweepRun& sweep, const std::string& where) {
    bool all = true;
    for (const auto& [name, content] : kSources) {
        EXPECT_EQ(sweep.drives.Read("d/src/" + name), content) << where << ": source " << name;
        const bool older = sweep.media != Media::Empty;
        const bool mayGo = !older || (sweep.media == Media::RoomInPlace && name == "a.txt");
        if (!sweep.drives.Exists("e/dst/" + name)) {
            EXPECT_TRUE(mayGo) << where << ": the older copy of " << name << " is gone";
            all = false;
            continue;
        }
        const std::string copy = sweep.drives.Read("e/dst/" + name);
        if (older && copy == kOlderCopies.at(name)) {
            all = false;
            continue;
        }
        EXPECT_EQ(copy, content) << where << ": copy " << name;
    }
    return all;
}

// An unfinished copy stays only where the log tells that it could not go.
void CheckNothingUnfinished(SweepRun& sweep, const std::string& where) {
    const std::string log = sweep.drives.Read("d/run.log");
    for (const std::string directory : {"e/dst", "e/dst/sub"}) {
        if (!sweep.drives.Exists(directory)) continue;
        for (const auto& entry :
             std::filesystem::directory_iterator(sweep.drives.Host(directory))) {
            const std::string name = entry.path().filename().string();
            if (kSources.count((directory == "e/dst" ? "" : "sub/") + name) != 0) continue;
            if (entry.is_directory()) continue;
            EXPECT_NE(log.find("Couldn't delete the broken copy"), std::string::npos)
                << where << ": " << directory << "/" << name << " left behind";
        }
    }
}

void CheckOutcome(SweepRun& sweep, bool result, const std::string& where, bool skipped) {
    const std::int32_t code = sweep.run.verdict.Code();
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
    CheckNothingUnfinished(sweep, where);
}

// The calls of each kind that a clean run makes.
std::map<FsCall, int> CleanRunCalls(Media media = Media::Empty) {
    SweepRun clean(run::MediaAnswer::GiveUp, media);
    EXPECT_TRUE(CopyTree(clean.run, "d:\\src\\", "e:\\dst\\"));
    EXPECT_TRUE(CheckFiles(clean, "clean run"));
    std::map<FsCall, int> calls;
    for (std::size_t k = 0; k < platform::kFsCallKinds; ++k) {
        const auto kind = static_cast<FsCall>(k);
        if (clean.fs.Calls(kind) > 0) calls[kind] = clean.fs.Calls(kind);
    }
    return calls;
}

void Sweep(run::MediaAnswer answer, Media media = Media::Empty) {
    for (const auto& [kind, count] : CleanRunCalls(media)) {
        for (int n = 1; n <= count + 1; ++n) {
            const bool persistent = n > count;
            SweepRun sweep(answer, media);
            sweep.fs.FailCall(kind, persistent ? 1 : n, HostError::IoError, persistent);
            const bool result = CopyTree(sweep.run, "d:\\src\\", "e:\\dst\\");
            const std::string where = Describe(kind, n, persistent, media);
            EXPECT_GT(sweep.fs.FaultsFired(), 0) << where << ": the fault never fired";
            CheckOutcome(sweep, result, where,
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

TEST(FaultSweep, OverOlderCopiesEveryFaultLeavesTheOlderCopyOrTheNewOne) {
    // Replacing beside the older copies takes temporary files and renames.
    ASSERT_GT(CleanRunCalls(Media::OlderCopies).count(FsCall::Rename), 0u);
    for (const run::MediaAnswer answer :
         {run::MediaAnswer::GiveUp, run::MediaAnswer::TryAgain, run::MediaAnswer::Skip}) {
        Sweep(answer, Media::OlderCopies);
    }
}

TEST(FaultSweep, ReplacingInPlaceLeavesTheNewCopyOrNone) {
    for (const run::MediaAnswer answer :
         {run::MediaAnswer::GiveUp, run::MediaAnswer::TryAgain, run::MediaAnswer::Skip}) {
        Sweep(answer, Media::RoomInPlace);
    }
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

// Every new copy under its own name has its line in the log.
void CheckCopiesLogged(SweepRun& sweep, const std::string& where) {
    const std::string log = sweep.drives.Read("d/run.log");
    for (const auto& [name, content] : kSources) {
        if (!sweep.drives.Exists("e/dst/" + name) || sweep.drives.Read("e/dst/" + name) != content)
            continue;
        std::string path = "e:\\dst\\" + name;
        std::replace(path.begin(), path.end(), '/', '\\');
        EXPECT_NE(log.find("|" + path + "|" + CrcText(content) + "\r\n"), std::string::npos)
            << where << ": " << name << " in no log";
    }
}

// A run that dies at any call, and the medium's power with it: what was not
// flushed is lost. No name holds a broken copy, every copy in place has its
// line in the log, and the next NewerOnly run makes every copy whole.
TEST(FaultSweep, ARunCutAtAnyCallLeavesNothingTheNextRunTrusts) {
    for (const Media media : {Media::Empty, Media::OlderCopies, Media::RoomInPlace}) {
        int calls = 0;
        for (const auto& [kind, count] : CleanRunCalls(media))
            calls += count;
        for (int n = 1; n <= calls; ++n) {
            SweepRun sweep(run::MediaAnswer::GiveUp, media);
            sweep.fs.StopAt(n);
            CopyTree(sweep.run, "d:\\src\\", "e:\\dst\\");
            sweep.fs.LoseUnflushedData("e:\\");
            const std::string where = "cut at call " + std::to_string(n) + " over media " +
                                      std::to_string(static_cast<int>(media));
            CheckFiles(sweep, where);
            CheckCopiesLogged(sweep, where);
            sweep.fs.ClearFaults();
            sweep.run.verdict.Ok();
            sweep.run.flags = run::RunFlags{};
            sweep.fs.fixedFree.reset();  // what a removed older copy held is free
            EXPECT_TRUE(CopyTree(sweep.run, "d:\\src\\", "e:\\dst\\")) << where;
            EXPECT_TRUE(CheckFiles(sweep, where + ", then the next run")) << where;
        }
    }
}

}  // namespace
}  // namespace brenx::copy
