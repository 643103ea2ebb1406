#include "copy/copy_tree.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <string>

#include "copy/copy_world.h"
#include "run/exit_codes.h"
#include "testkit/archive_bits.h"
#include "testkit/hide.h"

namespace brenx::copy {
namespace {

using testing::CopyWorld;
using testing::CrcText;

constexpr const char* kSource = "d:\\src\\";
constexpr const char* kDestination = "e:\\dst\\";
const std::string kDash = "\xE2\x80\x94";

bool Logged(const CopyWorld& world, const std::string& line) {
    const auto lines = world.LogLines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(CopyTree, CopiesTheFilesThenTheSubdirectoriesWithRecurse) {
    CopyWorld flat;
    flat.Source("a.txt", "aaa");
    flat.Source("sub\\b.txt", "bb");
    EXPECT_TRUE(CopyTree(flat.run, kSource, kDestination));
    EXPECT_EQ(flat.Copied("a.txt"), "aaa");
    EXPECT_FALSE(flat.Exists("sub"));

    CopyWorld world;
    world.Settings().recurse = true;
    world.Source("a.txt", "aaa");
    world.Source("only-dirs\\sub\\b.txt", "bb");
    world.Source("only-dirs\\sub\\deep\\c.txt", "c");
    world.Source("only-dirs\\sub\\deep\\inner\\d.txt", "dddd");
    world.fs.ResetCounts();
    EXPECT_TRUE(CopyTree(world.run, kSource, kDestination));
    EXPECT_EQ(world.run.verdict.Code(), 0);
    // The walk's listings tell the dates: no query per file.
    EXPECT_EQ(world.fs.Calls(platform::FsCall::GetDate), 0);
    EXPECT_EQ(world.Copied("only-dirs\\sub\\deep\\c.txt"), "c");
    EXPECT_EQ(world.Copied("only-dirs\\sub\\deep\\inner\\d.txt"), "dddd");
    EXPECT_EQ(world.run.counters.fileCount, 4);
    EXPECT_EQ(world.run.counters.byteCount, 10);
    EXPECT_EQ(world.run.counters.cdByteCount, 10);
    EXPECT_EQ(world.LogLines().size(), 4u);
    EXPECT_TRUE(Logged(world, "|e:\\dst\\only-dirs\\sub\\b.txt|" + CrcText("bb")));
    EXPECT_TRUE(Logged(world, "|e:\\dst\\a.txt|" + CrcText("aaa")));

    // The status lines: the file at hand and the progress line (em dash).
    EXPECT_EQ(world.board.Text(run::BoardText::Status),
              "src: d:\\src\\only-dirs\\sub\\deep\\inner\\d.txt\r\n"
              "dst: e:\\dst\\only-dirs\\sub\\deep\\inner\\d.txt\r\n"
              "#4 " +
                  kDash + " 10 (0 NewerOnly skips)");
    EXPECT_EQ(world.board.Text(run::BoardText::FileName), "d.txt");
}

// Fifos and links are POSIX's: Windows lists neither.
TEST(CopyTree, HiddenFilesOnlyWithHiddenAndNeverHiddenOrSpecialDirectories) {
    CopyWorld world;
    world.Settings().recurse = true;
    world.Source("a.txt", "a");
    world.Source(".hidden", "h");
    world.Source(".hdir\\x.txt", "x");
    world.Source("real\\y.txt", "y");
    testkit::Hide(world.drives.Host("d/src/.hidden"));
    testkit::Hide(world.drives.Host("d/src/.hdir"));
#ifndef _WIN32
    ASSERT_EQ(mkfifo(world.drives.Host("d/src/pipe").c_str(), 0600), 0);
    ASSERT_EQ(mkfifo(world.drives.Host("d/src/.hpipe").c_str(), 0600), 0);
    ASSERT_EQ(
        symlink(world.drives.Host("d/src/real").c_str(), world.drives.Host("d/src/link").c_str()),
        0);
#endif
    EXPECT_TRUE(CopyTree(world.run, kSource, kDestination));
    EXPECT_TRUE(world.Exists("a.txt"));
    EXPECT_FALSE(world.Exists(".hidden"));
    EXPECT_FALSE(world.Exists(".hdir"));
    EXPECT_TRUE(world.Exists("real\\y.txt"));
#ifndef _WIN32
    EXPECT_FALSE(world.Exists("pipe"));
    EXPECT_FALSE(world.Exists("link"));
    // What is left out for not being regular is logged and counted; a hidden
    // fifo stays out silently with the hidden files.
    EXPECT_TRUE(Logged(world, "skipping non-regular file d:\\src\\pipe (not a regular file)"));
    EXPECT_TRUE(Logged(world,
                       "skipping non-regular file d:\\src\\link\\ (not a regular file: a "
                       "link to a directory or a system one)"));
    EXPECT_EQ(world.run.counters.nonRegular, 2);
#endif

    CopyWorld hidden;
    hidden.Settings().recurse = true;
    hidden.Settings().hidden = true;
    hidden.Source(".hidden", "h");
    hidden.Source(".hdir\\x.txt", "x");
    testkit::Hide(hidden.drives.Host("d/src/.hidden"));
    testkit::Hide(hidden.drives.Host("d/src/.hdir"));
    int fifos = 0;
#ifndef _WIN32
    ASSERT_EQ(mkfifo(hidden.drives.Host("d/src/.hpipe").c_str(), 0600), 0);
    fifos = 1;
#endif
    EXPECT_TRUE(CopyTree(hidden.run, kSource, kDestination));
    EXPECT_EQ(hidden.Copied(".hidden"), "h");
    EXPECT_FALSE(hidden.Exists(".hdir"));
    EXPECT_EQ(hidden.run.counters.nonRegular, fifos);
}

TEST(CopyTree, ASecondRunPassesOverFilesThatAreNotNewer) {
    CopyWorld world;
    world.Source("a.txt", "a");
    world.Source("b.txt", "b");
    ASSERT_TRUE(CopyTree(world.run, kSource, kDestination));
    world.Settings().NewerLog = true;
    ASSERT_TRUE(CopyTree(world.run, kSource, kDestination));
    EXPECT_EQ(world.run.counters.fileCount, 2);
    EXPECT_EQ(world.run.counters.newerSkipped, 2);
    EXPECT_TRUE(Logged(world, "NewerOnly #1: didn't copy d:\\src\\" +
                                  world.SearchOrder("d:\\src\\*")[0] + " to e:\\dst\\" +
                                  world.SearchOrder("d:\\src\\*")[0]));
    EXPECT_NE(
        world.board.Text(run::BoardText::Status).find("#2 " + kDash + " 2 (2 NewerOnly skips)"),
        std::string::npos);

    // NewerComplaint: no goes on, yes gives the job up (18, then 3 on the way out).
    world.Settings().NewerComplaint = true;
    const auto order = world.SearchOrder("d:\\src\\*");
    const auto question = [&](const std::string& name) {
        return "Didn't CopyBFile(d:\\src\\" + name + ", e:\\dst\\" + name +
               ") because of NewerOnly; give up?";
    };
    world.op.ExpectConfirm(question(order[0]), false, true).ExpectConfirm(question(order[1]), true);
    EXPECT_FALSE(CopyTree(world.run, kSource, kDestination));
    EXPECT_EQ(world.run.verdict.Code(), run::kExitCopyFiles);
    EXPECT_EQ(world.run.verdict.Reason(), "brenxfiles(d:\\src\\,e:\\dst\\)");
}

TEST(CopyTree, StartFilePassesOverEverythingBeforeIt) {
    CopyWorld world;
    world.Settings().recurse = true;
    world.Settings().startfile = "D:\\SRC\\z\\Start.txt";
    world.run.flags.waitingForStartFile = true;
    world.Source("a.txt", "a");
    world.Source("b.txt", "b");
    world.Source("z\\start.txt", "s");
    world.Source("z\\deep\\after.txt", "t");
    EXPECT_TRUE(CopyTree(world.run, kSource, kDestination));
    EXPECT_FALSE(world.Exists("a.txt"));
    EXPECT_FALSE(world.Exists("b.txt"));
    EXPECT_EQ(world.Copied("z\\start.txt"), "s");
    EXPECT_EQ(world.Copied("z\\deep\\after.txt"), "t");
    EXPECT_FALSE(world.run.flags.waitingForStartFile);
    EXPECT_EQ(world.run.counters.fileCount, 2);
    EXPECT_GE(world.board.EchoUpdates(), 1);
    // The files passed over still redraw the progress line.
    const auto status = world.board.History(run::BoardText::Status);
    EXPECT_NE(status[1].find("#0 " + kDash + " 0 ("), std::string::npos);
}

TEST(CopyTree, ArconlyPassesOverFilesWhoseArchiveBitIsClear) {
    CopyWorld world;
    world.Settings().arconly = true;
    world.Source("a.txt", "a");
    world.Source("b.txt", "b");
    if (!testkit::TempDrivesClearArchiveBits() || !world.fs.SetAttributes("d:\\src\\b.txt", 0)) {
        GTEST_SKIP() << "the temporary drives keep archive bits set";
    }
    EXPECT_TRUE(CopyTree(world.run, kSource, kDestination));
    EXPECT_TRUE(world.Exists("a.txt"));
    EXPECT_FALSE(world.Exists("b.txt"));
    EXPECT_EQ(world.run.counters.fileCount, 1);
    // The passed-over file shows nothing: the copied one sets the status
    // lines twice (the file, then the progress line).
    EXPECT_EQ(world.board.History(run::BoardText::Status).size(), 2u);
}

TEST(CopyTree, NocopyMakesNothingButReadsAndLogsEveryFile) {
    CopyWorld world;
    world.Settings().recurse = true;
    world.Settings().nocopy = true;
    world.Source("a.txt", "a");
    world.Source("sub\\b.txt", "bb");
    EXPECT_TRUE(CopyTree(world.run, kSource, kDestination));
    EXPECT_FALSE(world.drives.Exists("e/dst"));
    EXPECT_EQ(world.run.counters.fileCount, 2);
    EXPECT_TRUE(Logged(world, "|e:\\dst\\sub\\b.txt|" + CrcText("bb")));
}

TEST(CopyTree, CdrNamesAndDotCrashDirectories) {
    CopyWorld world;
    world.Settings().hidden = true;
    world.Settings().FixDotCrash = true;
    world.run.copySession.cdrMode = true;
    world.Source("a;b.txt", "x");
    world.Source(".rc", "r");
    // A destination directory beginning with a dot is made with the prefix,
    // and its files are logged under the name it was made with.
    EXPECT_TRUE(CopyTree(world.run, kSource, "e:\\dst\\.cfg\\"));
    const std::string dot = "\xC3\x9F";
    EXPECT_EQ(world.Copied(dot + ".cfg\\" + dot + ".rc"), "r");
    EXPECT_EQ(world.Copied(dot + ".cfg\\a_b.txt"), "x");
    EXPECT_TRUE(Logged(world, "|e:\\dst\\" + dot + ".cfg\\a_b.txt|" + CrcText("x")));
}

}  // namespace
}  // namespace brenx::copy
