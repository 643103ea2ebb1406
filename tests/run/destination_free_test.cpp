#include "run/destination_free.h"

#include <gtest/gtest.h>

#include "run/caption.h"
#include "run/media_note.h"
#include "run/run_world.h"
#include "run/show_status.h"

namespace brenx::run {
namespace {

using testing::RunWorld;

TEST(ShowDestinationFree, ShowsTheFigureAndPutsItInTheCaption) {
    RunWorld world;
    world.Settings().destination = "f:\\backup\\";
    world.fs.fixedFree = 1000;
    world.run.jobLabel = "Copy: ";
    ShowDestinationFree(world.run, "e:\\data");
    EXPECT_EQ(world.run.counters.dstBytesFree, 1000);
    EXPECT_EQ(world.board.Text(BoardText::FreeSpace), "drive e:\\ has 1,000 bytes free");
    EXPECT_EQ(world.board.Text(BoardText::Caption),
              "Copy: BRENX 2/18/2015:xy. drive e:\\ has 1,000 bytes free");

    // The figure the host gives as "this much or more" is shown as a lower bound.
    world.fs.fixedFree = kLowerBoundFreeSpace;
    ShowDestinationFree(world.run, "e:\\");
    EXPECT_EQ(world.board.Text(BoardText::FreeSpace),
              "drive e:\\ has 2,147,155,968 or more bytes free");

    // A volume that does not tell its size says so.
    world.fs.fixedFree = platform::kUntoldFreeSpace;
    ShowDestinationFree(world.run, "e:\\");
    EXPECT_EQ(world.board.Text(BoardText::FreeSpace),
              "drive e:\\ doesn't say how many bytes are free");

    // f: has no media: the query fails and shows -1.
    ShowDestinationFree(world.run);
    EXPECT_EQ(world.run.counters.dstBytesFree, -1);
    EXPECT_EQ(world.board.Text(BoardText::FreeSpace), "drive f:\\ has -1 bytes free");
}

TEST(ShowDestinationFree, FakesizePretendsACapacity) {
    RunWorld world;
    world.Settings().destination = "e:\\";
    world.Settings().fakesize = 650000000;
    world.run.counters.cdByteCount = 600000000;
    ShowDestinationFree(world.run);
    EXPECT_EQ(world.run.counters.dstBytesFree, 50000000);
    EXPECT_EQ(world.board.Text(BoardText::FreeSpace), "drive e:\\ has 50,000,000 bytes free");
    world.run.counters.cdByteCount = 700000000;
    ShowDestinationFree(world.run);
    EXPECT_EQ(world.run.counters.dstBytesFree, 0);
    world.run.counters.cdByteCount = 650000000;
    ShowDestinationFree(world.run);
    EXPECT_EQ(world.run.counters.dstBytesFree, 0);

    // Also with nocopy, where nothing is measured.
    world.Settings().nocopy = true;
    world.run.counters.cdByteCount = 0;
    ShowDestinationFree(world.run);
    EXPECT_EQ(world.run.counters.dstBytesFree, 650000000);
    EXPECT_EQ(world.fs.freeSpaceAsked.size(), 3u);
}

TEST(ShowDestinationFree, NocopyAndNoDestination) {
    RunWorld world;
    world.Settings().nocopy = true;
    world.Settings().destination = "e:\\";
    ShowDestinationFree(world.run);
    EXPECT_EQ(world.run.counters.dstBytesFree, 0);
    EXPECT_TRUE(world.fs.freeSpaceAsked.empty());

    world.Settings().destination.clear();
    ShowDestinationFree(world.run);
    EXPECT_EQ(world.board.Text(BoardText::FreeSpace), "");
    EXPECT_EQ(world.board.Text(BoardText::Caption), "BRENX 2/18/2015:xy. ");
}

TEST(StatusTexts, MediaNoteAndCaption) {
    RunWorld world;
    RunCounters& counters = world.run.counters;
    counters.byteCount = counters.cdByteCount = 5000;
    EXPECT_EQ(MediaNote(world.run, "%s; "), "");
    counters.cdByteCount = 1234;
    EXPECT_EQ(MediaNote(world.run, "%s; "), "1,234; ");
    EXPECT_EQ(MediaNote(world.run, " (%s)"), " (1,234)");

    world.run.jobLabel = "Execute: ";
    ShowCaption(world.run, "%s", {"e:\\x 100%"});
    EXPECT_EQ(world.board.Text(BoardText::Caption), "Execute: BRENX 2/18/2015:xy. e:\\x 100%");
}

TEST(StatusTexts, TheStatusLinesAreKeptAndShownWhole) {
    RunWorld world;
    ShowStatusLines(world.run, {"src: d:\\a", "dst: e:\\a", "#1 x"});
    EXPECT_EQ(world.run.memo.Text(), "src: d:\\a\r\ndst: e:\\a\r\n#1 x");
    EXPECT_EQ(world.board.Text(BoardText::Status), world.run.memo.Text());
    ShowStatus(world.run, world.run.memo.Text() + "  Copying log file with CRCs");
    EXPECT_EQ(world.board.Text(BoardText::Status),
              "src: d:\\a\r\ndst: e:\\a\r\n#1 x  Copying log file with CRCs");
}

}  // namespace
}  // namespace brenx::run
