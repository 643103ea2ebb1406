#include "copy/copy_date.h"

#include <gtest/gtest.h>

#include <string>

#include "copy/copy_file.h"
#include "copy/copy_world.h"

namespace brenx::copy {
namespace {

using platform::FsCall;
using platform::HostError;
using testing::CopyWorld;

constexpr const char* kFrom = "d:\\src\\a.txt";

TEST(DateTheCopy, AMediumThatIgnoresTheDateIsLoggedAndCounted) {
    CopyWorld world;
    world.Destination("keep", "");
    world.Source("a.txt", "a");
    world.Date(kFrom, 2018, 30);
    EXPECT_TRUE(CopyBFile(world.run, kFrom, "e:\\dst\\good.txt", true).Done());
    EXPECT_EQ(world.run.counters.wrongDates, 0);
    EXPECT_EQ(world.LogLines().size(), 1u);  // the CRC line alone

    // A medium that says yes and keeps the time of the copy.
    world.fs.IgnoreCall(FsCall::HandleSetDate, 1, true);
    EXPECT_TRUE(CopyBFile(world.run, kFrom, "e:\\dst\\a.txt", true).Done());
    const platform::DosDateTime kept = world.fs.GetFileDate("e:\\dst\\a.txt");
    EXPECT_NE(kept, world.fs.GetFileDate(kFrom));
    EXPECT_EQ(world.LogLines()[1],
              "Date didn't take on e:\\dst\\a.txt: sb 2018-01-01 00:30:00, "
              "but is " +
                  DosDateText(kept));
    // The copy is good all the same: its CRC line follows.
    EXPECT_EQ(world.LogLines()[2].rfind("|e:\\dst\\a.txt|", 0), 0u);
    EXPECT_EQ(world.run.counters.wrongDates, 1);
    world.fs.ClearFaults();

    // A date refused outright, and one that cannot be read back.
    world.fs.ResetCounts();
    world.fs.FailCall(FsCall::HandleSetDate, 1, HostError::IoError);
    EXPECT_TRUE(CopyBFile(world.run, kFrom, "e:\\dst\\b.txt", true).Done());
    world.fs.ClearFaults();
    world.fs.ResetCounts();
    world.fs.FailCall(FsCall::HandleGetDate, 1, HostError::NoMedia);
    EXPECT_TRUE(CopyBFile(world.run, kFrom, "e:\\dst\\c.txt", true).Done());
    const auto lines = world.LogLines();
    EXPECT_EQ(lines[3], "Couldn't date e:\\dst\\b.txt (input/output error)");
    EXPECT_EQ(lines[5],
              "Couldn't read back the date of e:\\dst\\c.txt (no medium, or the device is gone)");
    EXPECT_EQ(world.run.counters.wrongDates, 3);
    EXPECT_EQ(DosDateText(platform::kNoDosDateTime), "?");
}

}  // namespace
}  // namespace brenx::copy
