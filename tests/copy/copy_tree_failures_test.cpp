#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "copy/copy_files.h"
#include "copy/copy_tree.h"
#include "copy/copy_world.h"
#include "copy/flush.h"
#include "copy/unfinished_copy.h"
#include "platform/host_reason.h"
#include "run/exit_codes.h"
#ifndef _WIN32
#include "testkit/deep_tree.h"
#include "testkit/unprivileged.h"
#endif

namespace brenx::copy {
namespace {

using platform::FsCall;
using platform::HostError;
using run::MediaAnswer;
using testing::CopyWorld;

constexpr const char* kSource = "d:\\src\\";
constexpr const char* kDestination = "e:\\dst\\";

bool Logged(const CopyWorld& world, const std::string& line) {
    const auto lines = world.LogLines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The question about a file that failed, with its reason on a second line.
std::string CouldNotCopy(const std::string& name, const std::string& reason,
                         const std::string& note = "") {
    return "Couldn't CopyBFile( d:\\src\\" + name + ", e:\\dst\\" + name + "); try new media?" +
           note + "\r\n(" + reason + ")";
}

TEST(CopyTreeFailure, SkipRulesPassFailedFilesOverWithoutAsking) {
    CopyWorld world;
    world.Settings().BLRautoSkip = true;
    world.Source("x_y.dat", "1");
    world.Source("xy.dat", "2");
    world.fs.refusedOpens["d:\\src\\x_y.dat"] = HostError::AccessDenied;
    world.fs.refusedOpens["d:\\src\\xy.dat"] = HostError::AccessDenied;
    // BLRautoSkip: an unopenable name with "_" is counted; one without is asked about.
    world.op.ExpectMedia(CouldNotCopy("xy.dat", "access denied"), MediaAnswer::Skip);
    EXPECT_TRUE(CopyTree(world.run, kSource, kDestination));
    EXPECT_EQ(world.run.counters.autoSkips, 1);
    EXPECT_EQ(world.run.counters.fileCount, 0);
    // The skip's log entry says why on its second line.
    EXPECT_NE(
        world.LogText().find(
            "BLRautoSkip 1: CopyBfile( d:\\src\\x_y.dat, e:\\dst\\x_y.dat)\r\n(access denied)\r\n"),
        std::string::npos);
    const auto& echo = world.board.Echo();
    EXPECT_NE(std::find(echo.begin(), echo.end(), "BLRautoSkip:1"), echo.end());

    // cant_all, cant_skip and cant_file skip and count any failure.
    world.Settings().BLRautoSkip = false;
    world.Settings().cant_all = true;
    EXPECT_TRUE(CopyTree(world.run, kSource, kDestination));
    EXPECT_TRUE(Logged(world, "cant_all skip: CopyBfile ( d:\\src\\xy.dat, e:\\dst\\xy.dat)"));
    EXPECT_EQ(world.run.counters.optionSkips, 2);

    world.Settings().cant_all = false;
    world.Settings().cant_skip = "~_";
    world.Settings().cant_file = "skip.lst";
    world.Source("skip.lst", "; the ones that never read\r\n  xy.*\r\n");
    EXPECT_TRUE(CopyTree(world.run, kSource, kDestination));
    EXPECT_TRUE(Logged(world, "cant_skip skip: CopyBfile ( d:\\src\\x_y.dat, e:\\dst\\x_y.dat)"));
    EXPECT_TRUE(Logged(world, "cant_file skip: CopyBfile ( d:\\src\\xy.dat, e:\\dst\\xy.dat)"));
    EXPECT_EQ(world.run.counters.optionSkips, 4);
    EXPECT_EQ(world.run.verdict.Code(), 0);
}

TEST(CopyTreeFailure, TheMediaQuestionRetriesSkipsOrGivesUp) {
    CopyWorld world;
    world.Settings().cant_file = "skip.lst";  // there is no list: only the note
    world.Source("a.txt", "a");
    world.fs.refusedOpens["d:\\src\\a.txt"] = HostError::IoError;
    const std::string note = " (cant_file:skip.lst)";
    // Try again: the file is tried again and copied.
    world.op.ExpectMedia(CouldNotCopy("a.txt", "input/output error", note), MediaAnswer::TryAgain,
                         [&](const run::MediaQuestion& question, run::MediaDialogActions&) {
                             EXPECT_TRUE(question.showSkip);
                             world.fs.refusedOpens.clear();
                         });
    EXPECT_TRUE(CopyTree(world.run, kSource, kDestination));
    EXPECT_EQ(world.Copied("a.txt"), "a");
    EXPECT_EQ(world.run.counters.fileCount, 1);
    // The destination was flushed before the question.
    EXPECT_EQ(world.fs.flushed, std::vector<std::string>{kDestination});

    // Skip: passed over without a count.
    world.Settings().NewerOnly = false;
    world.fs.refusedOpens["d:\\src\\a.txt"] = HostError::IoError;
    world.op.ExpectMedia(CouldNotCopy("a.txt", "input/output error", note), MediaAnswer::Skip);
    EXPECT_TRUE(CopyTree(world.run, kSource, kDestination));
    EXPECT_EQ(world.run.counters.fileCount, 1);
    EXPECT_EQ(world.run.counters.optionSkips, 0);

    // Give up: the job ends with exit code 3 and the files' reason.
    world.op.ExpectMedia(CouldNotCopy("a.txt", "input/output error", note), MediaAnswer::GiveUp);
    EXPECT_FALSE(CopyTree(world.run, kSource, kDestination));
    EXPECT_EQ(world.run.verdict.Code(), run::kExitCopyFiles);
    EXPECT_EQ(world.run.verdict.Reason(), "brenxfiles(d:\\src\\,e:\\dst\\)");
    EXPECT_EQ(world.Copied("a.txt"), "a");  // the earlier copy stays
}

// A name the medium refuses, a full medium, a link loop in the source and an
// I/O error each look like a media problem unless the question says which.
// Deleting the broken copy fails too, and never takes the reason's place.
TEST(CopyTreeFailure, TheQuestionAndItsLogEntrySayWhyTheFileFailed) {
    struct Case {
        std::string name;
        std::function<void(CopyWorld&)> make;
        std::string reason;
    };
    const std::vector<Case> cases = {
#ifndef _WIN32  // a Windows name holds no ":"
        {"a:b.txt",
         [](CopyWorld& w) {
             w.Source("a:b.txt", "x");
             w.fs.refusedOpens["e:\\dst\\a:b.txt"] = HostError::InvalidName;
         },
         "the name is not valid on this medium"},
#endif
        {"big.bin",
         [](CopyWorld& w) {
             w.Source("big.bin", std::string(100000, 'b'));
             w.fs.ShortenWrite(1, 4096, HostError::NoSpace);
         },
         "no space left on the medium"},
#ifndef _WIN32  // wine lists no POSIX link loop
        {"loop",
         [](CopyWorld& w) { std::filesystem::create_symlink("loop", w.drives.Host("d/src/loop")); },
         "too many levels of links"},
#endif
        {"bad.bin",
         [](CopyWorld& w) {
             w.Source("bad.bin", std::string(100000, 'x'));
             w.fs.FailCall(FsCall::Read, 1, HostError::IoError);
         },
         "input/output error"},
    };
    for (const Case& c : cases) {
        CopyWorld world;
        c.make(world);
        world.fs.FailCall(FsCall::Delete, 1, HostError::AccessDenied, true);
        world.op.ExpectMedia(CouldNotCopy(c.name, c.reason), MediaAnswer::Skip);
        EXPECT_TRUE(CopyTree(world.run, kSource, kDestination)) << c.name;
        // The media dialog's log entry holds the question with its reason.
        const std::string log = world.LogText();
        const std::size_t entry = log.find("Media (Couldn't CopyBFile( d:\\src\\" + c.name);
        ASSERT_NE(entry, std::string::npos) << c.name << log;
        EXPECT_NE(log.find("\r\n(" + c.reason + ")\r\n):mrIGNORE", entry), std::string::npos)
            << log;
    }
}

TEST(CopyTreeFailure, NoRoomAsksForNewMediaAndThenAboutTheFile) {
    CopyWorld world;
    world.Settings().fakesize = 100;
    world.Source("a.txt", std::string(60, 'a'));
    world.Source("b.txt", std::string(60, 'b'));
    const auto order = world.SearchOrder("d:\\src\\*");
    const std::string second = order[1];
    const std::string noRoom =
        "Can't copy \"d:\\src\\" + second +
        "\" because it's 60 bytes, and only 40 bytes left on e:\\; new media?";
    world.op
        .ExpectMedia(noRoom, MediaAnswer::TryAgain,
                     [](const run::MediaQuestion& question, run::MediaDialogActions&) {
                         EXPECT_FALSE(question.showSkip);
                     })
        .ExpectMedia(CouldNotCopy(second, "the file did not fit on the medium before this one"),
                     MediaAnswer::TryAgain);
    EXPECT_TRUE(CopyTree(world.run, kSource, kDestination));
    EXPECT_EQ(world.run.counters.fileCount, 2);
    EXPECT_EQ(world.run.counters.byteCount, 120);
    EXPECT_EQ(world.run.counters.cdByteCount, 60);
    EXPECT_TRUE(Logged(world, "|:Changed Media"));
    EXPECT_NE(world.board.Text(run::BoardText::Status).find("120 (60; 0 NewerOnly skips)"),
              std::string::npos);
    EXPECT_EQ(world.fs.flushed.size(), 2u);

    // No: the job ends with 21, which the walk's top level turns into 3.
    CopyWorld refused;
    refused.Settings().fakesize = 100;
    refused.Settings().crc = false;
    refused.Source("a.txt", std::string(160, 'a'));
    refused.op.ExpectMedia(
        "Can't copy \"d:\\src\\a.txt\" because it's 160 bytes, and only 100 bytes left on e:\\; "
        "new media?",
        MediaAnswer::GiveUp);
    EXPECT_FALSE(CopyFilesOfDirectory(refused.run, kSource, kDestination));
    EXPECT_EQ(refused.run.verdict.Code(), run::kExitNoRoom);
    EXPECT_EQ(refused.run.verdict.Reason(), "no room on destination");
    EXPECT_FALSE(refused.Exists("a.txt"));
    EXPECT_FALSE(Logged(refused, "Changed Media"));
}

// After new media the question tells what the medium now in the drive is.
TEST(CopyTreeFailure, AfterNewMediaTheReasonIsTheNewMediumsOwn) {
    for (const bool gone : {false, true}) {
        CopyWorld world;
        world.Settings().fakesize = gone ? 0 : 100;
        world.Source("a.txt", std::string(160, 'a'));
        if (gone) world.fs.FailCall(FsCall::FreeSpace, 1, HostError::NoMedia, true);
        world.op
            .ExpectMedia(std::string("Can't copy \"d:\\src\\a.txt\" because it's 160 bytes, and "
                                     "only ") +
                             (gone ? "-1" : "100") + " bytes left on e:\\; new media?",
                         MediaAnswer::TryAgain)
            .ExpectMedia(
                CouldNotCopy("a.txt",
                             gone ? "no medium, or the device is gone"
                                  : "the file is larger than the space left on this medium too"),
                MediaAnswer::Skip);
        EXPECT_TRUE(CopyTree(world.run, kSource, kDestination)) << gone;
    }
}

TEST(CopyTreeFailure, AMediumAWriteFindsFullIsChangedAsAtTheRoomQuestion) {
    CopyWorld world;
    world.Free(platform::kUntoldFreeSpace);
    world.Source("a.txt", std::string(60, 'a'));
    world.fs.FailCall(FsCall::Write, 1, HostError::NoSpace);
    world.op.ExpectMedia(CouldNotCopy("a.txt", "no space left on the medium"),
                         MediaAnswer::TryAgain);
    EXPECT_TRUE(CopyTree(world.run, kSource, kDestination));
    EXPECT_EQ(world.Copied("a.txt"), std::string(60, 'a'));
    const std::string log = world.LogText();
    const std::size_t mark = log.find("|:Changed Media");
    ASSERT_NE(mark, std::string::npos) << log;
    EXPECT_LT(mark, log.find("|e:\\dst\\a.txt|")) << log;
    EXPECT_EQ(world.run.counters.cdByteCount, 60);

    // Any other failure is tried again on the same medium, unmarked.
    CopyWorld other;
    other.Source("a.txt", "a");
    other.fs.FailCall(FsCall::Write, 1, HostError::IoError);
    other.op.ExpectMedia(CouldNotCopy("a.txt", "input/output error"), MediaAnswer::TryAgain);
    EXPECT_TRUE(CopyTree(other.run, kSource, kDestination));
    EXPECT_FALSE(Logged(other, "Changed Media"));
}

// A stick gone in the middle of a copy: what was written cannot even be
// deleted. It never stands under the file's name, where the next NewerOnly
// run would take it for a good copy (it is newer than its source).
TEST(CopyTreeFailure, ACopyCutShortNeverStandsUnderItsOwnName) {
    CopyWorld world;
    world.Source("a.txt", std::string(100000, 'a'));
    world.Date("d:\\src\\a.txt", 1999);
    world.fs.FailCall(FsCall::Write, 1, HostError::NoMedia);
    world.fs.FailCall(FsCall::Delete, 1, HostError::NoMedia);
    world.op.ExpectMedia(CouldNotCopy("a.txt", "no medium, or the device is gone"),
                         MediaAnswer::Skip);
    EXPECT_TRUE(CopyTree(world.run, kSource, kDestination));
    EXPECT_FALSE(world.Exists("a.txt"));
    EXPECT_TRUE(world.Exists(UnfinishedCopyName(world.run, 1)));

    EXPECT_TRUE(world.run.Settings().NewerOnly);
    EXPECT_TRUE(CopyTree(world.run, kSource, kDestination));
    EXPECT_EQ(world.Copied("a.txt"), std::string(100000, 'a'));
    EXPECT_FALSE(world.Exists(UnfinishedCopyName(world.run, 1)));
}

TEST(CopyTreeFailure, ADirectoryThatCannotBeMadeAsksForNewMedia) {
    CopyWorld world;
    world.Source("a.txt", "a");
    world.fs.FailCall(FsCall::CreateDirectory, 1, HostError::IoError);
    const std::string question =
        "Couldn't create new directory e:\\dst\\ (try new media maybe?)\r\n(input/output error)";
    world.op.ExpectMedia(question, MediaAnswer::TryAgain,
                         [](const run::MediaQuestion& asked, run::MediaDialogActions&) {
                             EXPECT_FALSE(asked.showSkip);
                         });
    EXPECT_TRUE(CopyTree(world.run, kSource, kDestination));
    EXPECT_EQ(world.Copied("a.txt"), "a");
#ifdef _WIN32
    // Windows flushes the volume by its letter, whether or not e:\dst\ is there.
    EXPECT_EQ(world.fs.flushed, (std::vector<std::string>{"e:\\dst\\"}));
#else
    // e:\dst\ was not there yet: the flush went to the drive's root.
    EXPECT_EQ(world.fs.flushed, (std::vector<std::string>{"e:\\dst\\", "e:\\"}));
#endif

    // Giving up sends the file into the failure analysis.
    CopyWorld refused;
    refused.Source("a.txt", "a");
    refused.fs.FailCall(FsCall::CreateDirectory, 1, HostError::IoError, true);
    refused.op.ExpectMedia(question, MediaAnswer::GiveUp)
        .ExpectMedia(CouldNotCopy("a.txt", "input/output error"), MediaAnswer::Skip);
    EXPECT_TRUE(CopyTree(refused.run, kSource, kDestination));
    EXPECT_EQ(refused.run.counters.fileCount, 0);
}

TEST(CopyTreeFailure, ScrewyNamesArePassedOverOrEndTheRun) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows names hold no \"|\", backslash nor control characters";
#endif
    CopyWorld world;
    world.Settings().recurse = true;
    world.Source("good.txt", "g");
    world.Source("bad\x01name", "b");
    world.drives.Write("d/src/back\\slash", "s");  // a backslash inside a host name
    world.Source("x|y.txt", "bar");                // a CRC line could not carry its name
    std::filesystem::create_directories(world.drives.Host("d/src/dir\x02"));
    const auto order = world.SearchOrder("d:\\src\\*");
    for (const std::string& name : order) {
        if (name == "good.txt") continue;
        std::string shown = name;
        std::replace(shown.begin(), shown.end(), '\x01', '?');
        world.op.ExpectConfirm(
            "something screwy about \"d:\\src\\" + shown + "\"; not processing; abruptly give-up?",
            false, true);
    }
    world.op.ExpectConfirm(
        "something screwy about \"d:\\src\\dir?\"; not processing; abruptly give-up?", false);
    EXPECT_TRUE(CopyTree(world.run, kSource, kDestination));
    EXPECT_EQ(world.run.counters.fileCount, 1);
    EXPECT_EQ(world.Copied("good.txt"), "g");
    EXPECT_FALSE(world.Exists("x|y.txt"));
    // Each entry passed over is logged, as it can be shown, and counted.
    EXPECT_EQ(world.run.counters.passedOver, 4);
    EXPECT_TRUE(Logged(world,
                       "Passed over \"d:\\src\\x|y.txt\": a \"|\" in its name, which a "
                       "CRC log can't carry"));
    EXPECT_TRUE(
        Logged(world, "Passed over \"d:\\src\\bad?name\": a control character in its name"));
    EXPECT_TRUE(Logged(world, "Passed over \"d:\\src\\back\\slash\": a backslash in its name"));
    EXPECT_TRUE(Logged(world, "Passed over \"d:\\src\\dir?\": a control character in its name"));

    // Yes gives the run up: never an exit code of 0.
    CopyWorld abandoned;
    abandoned.Source("bad\x01name", "b");
    abandoned.op.ExpectConfirm(
        "something screwy about \"d:\\src\\bad?name\"; not processing; abruptly give-up?", true);
    EXPECT_FALSE(CopyTree(abandoned.run, kSource, kDestination));
    EXPECT_EQ(abandoned.run.verdict.Code(), run::kExitCopyFiles);
    EXPECT_TRUE(abandoned.run.flags.closeAllowed);
}

TEST(CopyTreeFailure, AFailedFlushEndsTheRunWithItsOwnCode) {
    CopyWorld world;
    world.Settings().recurse = true;
    world.Source("sub\\a.txt", "a");
    world.fs.refusedOpens["d:\\src\\sub\\a.txt"] = HostError::IoError;
    world.fs.FailCall(FsCall::FlushVolume, 1, HostError::IoError);
    const std::string text = "Couldn't flush e:\\dst\\sub\\ to its medium (" +
                             platform::HostErrorText(HostError::IoError) + ")";
    world.op.ExpectError(text + "; the run ends here");
    EXPECT_FALSE(CopyTree(world.run, kSource, kDestination));
    EXPECT_EQ(world.run.verdict.Code(), kExitFlushFailed);
    EXPECT_EQ(world.run.verdict.Reason(), kFlushFailedReason);
    EXPECT_TRUE(Logged(world, text));
    EXPECT_TRUE(world.op.MediaQuestions().empty());
}

TEST(CopyTreeFailure, ADirectoryThatCannotBeReadFailsTheWalk) {
    CopyWorld world;
    world.Settings().nocopy = true;  // only the source is searched
    world.Source("a.txt", "a");
    world.Source("b.txt", "b");
    world.fs.FailCall(FsCall::FindNext, 2, HostError::IoError);
    EXPECT_FALSE(CopyTree(world.run, kSource, kDestination));
    EXPECT_EQ(world.run.verdict.Code(), run::kExitCopyFiles);
    EXPECT_TRUE(Logged(world, "Couldn't read the directory d:\\src\\ (" +
                                  platform::HostErrorReason(HostError::IoError) + ")"));

    // An empty directory is no failure; a missing one is.
    CopyWorld empty;
    EXPECT_TRUE(CopyTree(empty.run, kSource, kDestination));
    EXPECT_FALSE(CopyTree(empty.run, "d:\\missing\\", kDestination));
    EXPECT_EQ(empty.run.verdict.Code(), run::kExitCopyFiles);
}

// An entry that the host could not look at is never passed over unseen: it
// fails as a source that did not open, with the host's reason, and is looked
// at again when the operator has it tried again.
TEST(CopyTreeFailure, AnEntryThatCannotBeLookedAtFailsWithItsReason) {
    CopyWorld world;
    world.Source("a.txt", "alpha");
    world.fs.FailCall(FsCall::LookAtEntry, 1, HostError::AccessDenied);
    world.op.ExpectMedia(CouldNotCopy("a.txt", "access denied"), MediaAnswer::TryAgain);
    EXPECT_TRUE(CopyTree(world.run, kSource, kDestination));
    EXPECT_EQ(world.Copied("a.txt"), "alpha");
    EXPECT_EQ(world.run.counters.byteCount, 5);
    EXPECT_TRUE(Logged(world, "|e:\\dst\\a.txt|" + testing::CrcText("alpha")));

    // arconly cannot tell its archive bit: it is asked about, not left out;
    // and with nocopy (only a CRC log made) just the same.
    for (const bool nocopy : {false, true}) {
        CopyWorld unseen;
        unseen.Settings().arconly = !nocopy;
        unseen.Settings().nocopy = nocopy;
        unseen.Source("a.txt", "alpha");
        unseen.fs.FailCall(FsCall::LookAtEntry, 1, HostError::IoError);
        unseen.op.ExpectMedia(CouldNotCopy("a.txt", "input/output error"), MediaAnswer::GiveUp);
        EXPECT_FALSE(CopyTree(unseen.run, kSource, kDestination));
        EXPECT_EQ(unseen.run.verdict.Code(), run::kExitCopyFiles);
    }
}

// A directory that lists but cannot be searched, and the 4,096-byte path
// limit, are POSIX's.
#ifndef _WIN32
// As anyone but root, a directory that can be read but not searched: its
// files are asked about with the host's reason, never left out.
TEST(CopyTreeFailure, AFileInADirectoryThatCannotBeSearchedIsAskedAbout) {
    const std::string outcome = testkit::RunUnprivileged([] {
        CopyWorld world;
        world.Settings().recurse = true;
        world.Source("locked/inner.txt", "inner");
        chmod(world.drives.Host("d/src/locked").c_str(), 0644);
        world.op.ExpectMedia(CouldNotCopy("locked\\inner.txt", "access denied"),
                             MediaAnswer::GiveUp);
        const bool walked = CopyTree(world.run, kSource, kDestination);
        chmod(world.drives.Host("d/src/locked").c_str(), 0755);
        std::string told = walked ? "walked" : "failed";
        told += " " + std::to_string(world.run.verdict.Code());
        for (const run::MediaQuestion& question : world.op.MediaQuestions())
            told += "\n" + question.text;
        return told;
    });
    EXPECT_EQ(outcome, "failed " + std::to_string(run::kExitCopyDirectories) + "\n" +
                           CouldNotCopy("locked\\inner.txt", "access denied"));
}

// Paths past the host's limit: a file there cannot be looked at (the
// question says why), a directory there cannot be read (the walk fails and
// the log says why); what can be reached is copied.
TEST(CopyTreeFailure, PathsTooLongForTheHostAreFailuresNotSilence) {
    for (const bool directory : {false, true}) {
        CopyWorld world;
        world.Settings().recurse = true;
        std::filesystem::create_directories(world.drives.Host("d/src"));
        testkit::DeepTree deep(world.drives.Host("d/src"), 3900);
        const std::string far(250, directory ? 'g' : 'f');
        ASSERT_TRUE(deep.Write("near.txt", "near"));
        ASSERT_TRUE(directory ? deep.MakeDirectory(far) : deep.Write(far, "far"));
        std::string relative;
        for (const std::string& name : deep.Names())
            relative += name + "\\";
        if (directory) {
            EXPECT_FALSE(CopyTree(world.run, kSource, kDestination));
            EXPECT_EQ(world.run.verdict.Code(), run::kExitCopyDirectories);
            EXPECT_TRUE(Logged(world, "Couldn't read the directory d:\\src\\" + relative + far +
                                          "\\ (the name is too long for this medium)"));
        } else {
            world.op.ExpectMedia(
                CouldNotCopy(relative + far, "the name is too long for this medium"),
                MediaAnswer::Skip);
            EXPECT_TRUE(CopyTree(world.run, kSource, kDestination));
            EXPECT_EQ(world.run.verdict.Code(), 0);
        }
        EXPECT_EQ(world.Copied(relative + "near.txt"), "near");
    }
}
#endif

}  // namespace
}  // namespace brenx::copy
