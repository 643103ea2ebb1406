#include "copy/copy_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "copy/copy_result.h"
#include "copy/copy_world.h"
#include "options/log_lines.h"
#include "run/pace.h"
#include "run/transfer_buffer.h"

namespace brenx::copy {
namespace {

using platform::FsCall;
using testing::CopyWorld;
using testing::CrcText;

constexpr const char* kFrom = "d:\\src\\a.txt";
constexpr const char* kTo = "e:\\dst\\a.txt";

std::string Bytes(std::size_t count) {
    std::string text(count, '\0');
    for (std::size_t i = 0; i < count; ++i)
        text[i] = static_cast<char>(i * 7 + i / 251);
    return text;
}

TEST(CopyBFile, CopiesDatesAndLogsFilesOfEveryBlockCount) {
    CopyWorld world;
    world.Destination("keep", "");
    // An empty file: one read, a dated empty copy, CRC 0.
    world.Source("a.txt", "");
    world.Date(kFrom, 2020, 10);
    EXPECT_EQ(CopyBFile(world.run, kFrom, kTo, true).code, kCopyDone);
    EXPECT_TRUE(world.Exists("a.txt"));
    EXPECT_EQ(world.Copied("a.txt"), "");
    EXPECT_EQ(world.fs.GetFileDate(kTo), world.fs.GetFileDate(kFrom));
    EXPECT_EQ(world.LogLines().back(), "|e:\\dst\\a.txt|0");

    // Exactly one buffer: two reads (the second comes back empty), one write.
    const std::string full = Bytes(run::kTransferBufferSize);
    world.Source("b.bin", full);
    world.fs.ResetCounts();
    EXPECT_EQ(CopyBFile(world.run, "d:\\src\\b.bin", "e:\\dst\\b.bin", false).code, kCopyDone);
    EXPECT_EQ(world.fs.Calls(FsCall::Read), 2);
    EXPECT_EQ(world.fs.Calls(FsCall::Write), 1);
    EXPECT_EQ(world.Copied("b.bin"), full);

    // One byte more: two reads, two writes; the CRC line covers every byte.
    const std::string more = Bytes(run::kTransferBufferSize + 1);
    world.Source("c.bin", more);
    world.fs.ResetCounts();
    const CopyOutcome copied = CopyBFile(world.run, "d:\\src\\c.bin", "e:\\dst\\c.bin", true);
    EXPECT_EQ(copied.code, kCopyDone);
    EXPECT_EQ(world.fs.Calls(FsCall::Read), 2);
    EXPECT_EQ(world.fs.Calls(FsCall::Write), 3);  // two blocks and the log entry
    EXPECT_EQ(world.Copied("c.bin"), more);
    EXPECT_EQ(world.LogLines().back(), "|e:\\dst\\c.bin|" + CrcText(more));
    EXPECT_EQ(options::CrcLogLine("", copied.crc), "||" + CrcText(more));
    EXPECT_EQ(world.run.counters.fileBytesRead, static_cast<std::int64_t>(more.size()));

    // Without crc the line is the destination alone.
    world.Settings().crc = false;
    world.Settings().NewerOnly = false;
    EXPECT_EQ(CopyBFile(world.run, kFrom, kTo, true).code, kCopyDone);
    EXPECT_EQ(world.LogLines().back(), "e:\\dst\\a.txt");
}

TEST(CopyBFile, ShowsTheProgressOfBigFilesOnly) {
    CopyWorld world;
    world.Destination("keep", "");
    world.Source("a.txt", Bytes(1000000));
    world.run.counters.fileSize = 1000000;
    CopyBFile(world.run, kFrom, kTo, false);
    for (const std::string& text : world.board.History(run::BoardText::FreeSpace)) {
        EXPECT_EQ(text.find('/'), std::string::npos) << text;
    }
    world.Source("b.txt", Bytes(1300000));
    world.run.counters.fileSize = 1300000;
    CopyBFile(world.run, "d:\\src\\b.txt", "e:\\dst\\b.txt", false);
    const auto shown = world.board.History(run::BoardText::FreeSpace);
    EXPECT_EQ(shown.back(), "1,300,000/1,300,000");
    // From the 16th block on (16 x 65,024 = 1,040,384), one text per block.
    const auto first = std::find(shown.begin(), shown.end(), "1,040,384/1,300,000");
    ASSERT_NE(first, shown.end());
    EXPECT_EQ(shown.end() - first, 5);
    EXPECT_EQ((first - 1)->find('/'), std::string::npos);

    // Paced to the front end's turns, a copy on a clock that stands still
    // draws its progress once and lets events run once.
    world.run.pace.SetInterval(run::kFrontEndTurn);
    world.ticks.Advance(run::kFrontEndTurn);
    const int pumps = world.op.Pumps();
    CopyBFile(world.run, "d:\\src\\b.txt", "e:\\dst\\c.txt", false);
    const auto paced = world.board.History(run::BoardText::FreeSpace);
    const auto progress = [](const std::string& text) {
        return text.find('/') != std::string::npos;
    };
    EXPECT_EQ(std::count_if(paced.begin() + static_cast<std::ptrdiff_t>(shown.size()), paced.end(),
                            progress),
              1);
    EXPECT_EQ(world.op.Pumps() - pumps, 1);
}

TEST(CopyBFile, NodataMakesADatedEmptyCopyAndNocopyOnlyReads) {
    CopyWorld world;
    world.Destination("keep", "");
    world.Source("a.txt", "contents");
    world.Date(kFrom, 2019);
    world.Settings().nodata = true;
    const CopyOutcome empty = CopyBFile(world.run, kFrom, kTo, true);
    EXPECT_EQ(empty.code, kCopyDone);
    EXPECT_EQ(empty.bytes, 8);  // counted as the source's size
    EXPECT_EQ(world.Copied("a.txt"), "");
    EXPECT_EQ(world.fs.GetFileDate(kTo), world.fs.GetFileDate(kFrom));
    EXPECT_EQ(world.LogLines().back(), "|e:\\dst\\a.txt|0");

    // nocopy: read, checksummed and logged under the destination's name;
    // nothing is made.
    world.Settings().nodata = false;
    world.Settings().nocopy = true;
    EXPECT_EQ(CopyBFile(world.run, kFrom, "e:\\dst\\new.txt", true).code, kCopyDone);
    EXPECT_FALSE(world.Exists("new.txt"));
    EXPECT_EQ(world.LogLines().back(), "|e:\\dst\\new.txt|" + CrcText("contents"));

    // nocopy alone keeps the date rule; with crc_only every file is read.
    world.Destination("a.txt", "8 bytes!");
    world.Date(kTo, 2021);
    EXPECT_EQ(CopyBFile(world.run, kFrom, kTo, true).code, kCopyNotNeeded);
    world.Settings().crc_only = true;
    EXPECT_EQ(CopyBFile(world.run, kFrom, kTo, true).code, kCopyDone);
    EXPECT_EQ(world.LogLines().back(), "|e:\\dst\\a.txt|" + CrcText("contents"));
    EXPECT_EQ(world.Copied("a.txt"), "8 bytes!");
}

TEST(CopyBFile, DateRulesLeaveTheDestinationAsItWas) {
    CopyWorld world;
    world.Source("a.txt", "new");
    world.Destination("a.txt", "old");
    world.Date(kFrom, 2020);
    world.Date(kTo, 2021);
    // NewerOnly: a newer or same-dated destination stays.
    EXPECT_EQ(CopyBFile(world.run, kFrom, kTo, true).code, kCopyNotNeeded);
    world.Date(kTo, 2020);
    EXPECT_EQ(CopyBFile(world.run, kFrom, kTo, true).code, kCopyNotNeeded);
    EXPECT_EQ(world.Copied("a.txt"), "old");
    EXPECT_EQ(world.LogText(), "");

    // DifferentOnly: the same date stays, any other is copied.
    world.Settings().NewerOnly = false;
    world.Settings().DifferentOnly = true;
    EXPECT_EQ(CopyBFile(world.run, kFrom, kTo, true).code, kCopyNotNeeded);
    world.Date(kTo, 2021);
    EXPECT_EQ(CopyBFile(world.run, kFrom, kTo, true).code, kCopyDone);
    EXPECT_EQ(world.Copied("a.txt"), "new");

    // NewerOnly with an older destination copies; so does a missing one.
    world.Settings().DifferentOnly = false;
    world.Settings().NewerOnly = true;
    world.Date(kTo, 2019);
    EXPECT_EQ(CopyBFile(world.run, kFrom, kTo, true).code, kCopyDone);
    EXPECT_EQ(CopyBFile(world.run, kFrom, "e:\\dst\\b.txt", true).code, kCopyDone);
}

// A destination of another size is no copy of its source, whatever its
// date (a copy whose data a power cut lost); with nodata an empty one is.
TEST(CopyBFile, ADestinationOfAnotherSizeIsNeverUpToDate) {
    using Case = std::tuple<bool, bool, std::string, std::int32_t>;  // DifferentOnly, nodata
    for (const auto& [differentOnly, nodata, there, code] :
         {Case{false, false, "old", kCopyNotNeeded}, Case{false, false, "", kCopyDone},
          Case{false, false, "ne", kCopyDone}, Case{true, false, "newer", kCopyDone},
          Case{false, true, "", kCopyNotNeeded}, Case{true, true, "ne", kCopyDone}}) {
        for (const bool listed : {false, true}) {
            CopyWorld world;
            world.Settings().NewerOnly = !differentOnly;
            world.Settings().DifferentOnly = differentOnly;
            world.Settings().nodata = nodata;
            world.Source("a.txt", "new");
            world.Destination("a.txt", there);
            world.Date(kFrom, 2020);
            world.Date(kTo, 2020);
            FileFacts facts;
            facts.sourceSize = 3;
            facts.destinationKnown = listed;
            facts.destinationDate = world.fs.GetFileDate(kTo);
            facts.destinationSize = static_cast<std::int64_t>(there.size());
            EXPECT_EQ(CopyKnownFile(world.run, kFrom, kTo, true, facts).code, code)
                << "over \"" << there << "\" " << differentOnly << nodata << listed;
        }
    }
}

TEST(CopyBFile, RoomCheckCreditsASameNamedFileExceptOnCdr) {
    CopyWorld world;
    world.Settings().NewerOnly = false;
    world.Source("a.txt", std::string(5000, 's'));
    world.Free(1000);
    // 5,000 - (4,500 - 1,024) = 1,524 > 1,000: no room; the old file stays.
    world.Destination("a.txt", std::string(4500, 'o'));
    EXPECT_EQ(CopyBFile(world.run, kFrom, kTo, true).code, kCopyNoRoom);
    EXPECT_EQ(world.Copied("a.txt"), std::string(4500, 'o'));
    // 5,000 - (5,100 - 1,024) = 924 <= 1,000: the copy goes ahead.
    world.Destination("a.txt", std::string(5100, 'o'));
    EXPECT_EQ(CopyBFile(world.run, kFrom, kTo, true).code, kCopyDone);
    EXPECT_EQ(world.Copied("a.txt"), std::string(5000, 's'));
    // No credit on CD-R media.
    world.Destination("a.txt", std::string(5100, 'o'));
    world.run.copySession.cdrMode = true;
    EXPECT_EQ(CopyBFile(world.run, kFrom, kTo, true).code, kCopyNoRoom);
    EXPECT_EQ(world.Copied("a.txt"), std::string(5100, 'o'));
    // Without a same-named file the need is the size plus 1,025.
    world.run.copySession.cdrMode = false;
    world.Free(6024);
    EXPECT_EQ(CopyBFile(world.run, kFrom, "e:\\dst\\b.txt", true).code, kCopyDone);
    world.Free(4999);
    EXPECT_EQ(CopyBFile(world.run, kFrom, "e:\\dst\\c.txt", true).code, kCopyNoRoom);
    EXPECT_FALSE(world.Exists("c.txt"));
    // A free space that could not be measured (-1) leaves no room; nocopy
    // makes no room check.
    world.Free(std::nullopt);
    world.fs.FailCall(FsCall::FreeSpace, 1, platform::HostError::IoError, true);
    EXPECT_EQ(CopyBFile(world.run, kFrom, "e:\\dst\\d.txt", true).code, kCopyNoRoom);
    EXPECT_EQ(world.run.counters.dstBytesFree, -1);
    world.Settings().nocopy = true;
    EXPECT_EQ(CopyBFile(world.run, kFrom, "e:\\dst\\d.txt", true).code, kCopyDone);
}

TEST(CopyBFile, AttributesFollowTheSourceOnlyWithAtts) {
    CopyWorld world;
    world.Destination("keep", "");
    world.Source("a.txt", "x");
    world.Settings().ReadOnly = true;
    EXPECT_EQ(CopyBFile(world.run, kFrom, kTo, true).code, kCopyDone);
    EXPECT_EQ(world.fs.GetAttributes(kTo) & platform::kAttrReadOnly, 0);

    world.Settings().atts = true;
    EXPECT_EQ(CopyBFile(world.run, kFrom, "e:\\dst\\b.txt", true).code, kCopyDone);
    EXPECT_NE(world.fs.GetAttributes("e:\\dst\\b.txt") & platform::kAttrReadOnly, 0);
    EXPECT_EQ(world.fs.GetAttributes(kFrom) & platform::kAttrReadOnly, 0);

    // A read-only source gives a read-only copy with atts alone.
    world.Settings().ReadOnly = false;
    world.fs.SetAttributes(kFrom, platform::kAttrReadOnly);
    EXPECT_EQ(CopyBFile(world.run, kFrom, "e:\\dst\\c.txt", true).code, kCopyDone);
    EXPECT_NE(world.fs.GetAttributes("e:\\dst\\c.txt") & platform::kAttrReadOnly, 0);
}

TEST(CopyBFile, TheCopyIsDatedThroughItsHandleBeforeItIsClosed) {
    CopyWorld world;
    world.Destination("keep", "");
    world.Source("a.txt", "x");
    world.Date(kFrom, 2018, 30);
    world.fs.ResetCounts();
    EXPECT_EQ(CopyBFile(world.run, kFrom, kTo, true).code, kCopyDone);
    EXPECT_EQ(world.fs.Calls(FsCall::HandleSetDate), 1);
    EXPECT_EQ(world.fs.Calls(FsCall::SetDate), 0);
    EXPECT_EQ(world.fs.GetFileDate(kTo), world.fs.GetFileDate(kFrom));

    // A copy made read-only is dated all the same: its attributes come last.
    world.Settings().atts = true;
    world.Settings().ReadOnly = true;
    EXPECT_EQ(CopyBFile(world.run, kFrom, "e:\\dst\\ro.txt", true).code, kCopyDone);
    EXPECT_EQ(world.fs.GetFileDate("e:\\dst\\ro.txt"), world.fs.GetFileDate(kFrom));
    EXPECT_NE(world.fs.GetAttributes("e:\\dst\\ro.txt") & platform::kAttrReadOnly, 0);

    // On CD-R the date is the open source's own.
    world.Settings().atts = false;
    world.run.copySession.cdrMode = true;
    world.fs.ResetCounts();
    EXPECT_EQ(CopyBFile(world.run, kFrom, "e:\\dst\\cd.txt", true).code, kCopyDone);
    EXPECT_EQ(world.fs.Calls(FsCall::HandleGetDate), 2);  // the source's, and the copy's read back
    EXPECT_EQ(world.fs.Calls(FsCall::HandleSetDate), 1);
    EXPECT_EQ(world.fs.Calls(FsCall::SetDate), 0);
    EXPECT_EQ(world.fs.GetFileDate("e:\\dst\\cd.txt"), world.fs.GetFileDate(kFrom));
}

TEST(CopyKnownFile, TakesWhatTheWalkKnowsInsteadOfAsking) {
    CopyWorld world;
    world.Destination("keep", "");
    world.Source("a.txt", "abc");
    world.Date(kFrom, 2020);
    FileFacts facts;
    facts.sourceSize = 3;
    facts.sourceDate = platform::PackDosDateTime({2015, 6, 7, 8, 9, 10});
    facts.destinationKnown = true;  // listed: not there
    world.fs.ResetCounts();
    EXPECT_EQ(CopyKnownFile(world.run, kFrom, kTo, true, facts).code, kCopyDone);
    EXPECT_EQ(world.fs.Calls(FsCall::GetDate), 0);
    EXPECT_EQ(world.fs.Calls(FsCall::FindFirst), 0);
    // Dated as the source was when it opened, which may be later than listed.
    EXPECT_EQ(world.fs.GetFileDate(kTo), world.fs.GetFileDate(kFrom));

    // A listed destination that is not older is passed over unasked.
    facts.destinationDate = platform::PackDosDateTime({2016, 1, 1, 0, 0, 0});
    facts.destinationSize = 3;
    world.fs.ResetCounts();
    EXPECT_EQ(CopyKnownFile(world.run, kFrom, kTo, true, facts).code, kCopyNotNeeded);
    EXPECT_EQ(world.fs.Calls(FsCall::GetDate), 0);

    // A listed size counts in the room check: 3 - (5,000 - 1,024) fits in 0.
    world.Settings().NewerOnly = false;
    world.Free(0);
    facts.destinationSize = 5000;
    EXPECT_EQ(CopyKnownFile(world.run, kFrom, kTo, true, facts).code, kCopyDone);
    facts.destinationSize = -1;
    EXPECT_EQ(CopyKnownFile(world.run, kFrom, kTo, true, facts).code, kCopyNoRoom);
}

TEST(CopyBFile, MeasuresTheFreeSpaceOftenEnoughForTheRoomCheck) {
    CopyWorld world;
    world.Destination("keep", "");
    world.Source("a.txt", "abc");
    world.Settings().NewerOnly = false;
    world.Free(std::int64_t{1} << 40);
    world.fs.ResetCounts();
    // Plenty of room: one measurement, then the copies take their sizes off it.
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(CopyBFile(world.run, kFrom, kTo, true).code, kCopyDone);
    EXPECT_EQ(world.fs.Calls(FsCall::FreeSpace), 1);
    EXPECT_EQ(world.run.counters.dstBytesFree, (std::int64_t{1} << 40) - 9);
    // A quarter of a second on, it is measured again.
    world.ticks.Advance(250);
    EXPECT_EQ(CopyBFile(world.run, kFrom, kTo, true).code, kCopyDone);
    EXPECT_EQ(world.fs.Calls(FsCall::FreeSpace), 2);
    // Near the limit, every file is measured.
    world.fs.fixedFree = 1000;
    world.ticks.Advance(250);
    world.fs.ResetCounts();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(CopyBFile(world.run, kFrom, kTo, true).code, kCopyDone);
    EXPECT_EQ(world.fs.Calls(FsCall::FreeSpace), 3);
    EXPECT_EQ(world.board.Text(run::BoardText::FreeSpace), "drive e:\\ has 1,000 bytes free");
}

TEST(CopyBFile, AVolumeThatDoesNotTellItsSizeTakesFilesUntilAWriteFindsItFull) {
    CopyWorld world;
    world.Destination("keep", "");
    world.Source("a.txt", "abc");
    world.Settings().NewerOnly = false;
    world.Free(platform::kUntoldFreeSpace);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(CopyBFile(world.run, kFrom, kTo, true).code, kCopyDone);
    EXPECT_EQ(world.run.counters.dstBytesFree, platform::kUntoldFreeSpace);
    EXPECT_EQ(world.board.Text(run::BoardText::FreeSpace),
              "drive e:\\ doesn't say how many bytes are free");

    world.fs.ResetCounts();
    world.fs.FailCall(FsCall::Write, 1, platform::HostError::NoSpace);
    const CopyOutcome full = CopyBFile(world.run, kFrom, kTo, true);
    EXPECT_EQ(full.code, kCopyBroken);
    EXPECT_EQ(full.error, platform::HostError::NoSpace);
    EXPECT_EQ(world.Copied("a.txt"), "abc");
}

TEST(CopyBFile, NeverTruncatesASourceThatIsItsOwnDestination) {
    CopyWorld world;
    world.Settings().NewerOnly = false;  // nothing else would stop it
    world.Source("a.txt", "the only copy");
    EXPECT_EQ(CopyBFile(world.run, kFrom, kFrom, true).code, kCopyCreateFailed);
    EXPECT_EQ(world.drives.Read("d/src/a.txt"), "the only copy");
    EXPECT_EQ(world.LogLines().back(), "Won't copy d:\\src\\a.txt onto itself");
}

}  // namespace
}  // namespace brenx::copy
