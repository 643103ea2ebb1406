// A copy that replaces an older one, and a source that changes under it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "copy/copy_file.h"
#include "copy/copy_result.h"
#include "copy/copy_tree.h"
#include "copy/copy_world.h"
#include "copy/file_facts.h"
#include "copy/unfinished_copy.h"

namespace brenx::copy {
namespace {

using platform::FsCall;
using testing::CopyWorld;

constexpr const char* kFrom = "d:\\src\\a.txt";
constexpr const char* kTo = "e:\\dst\\a.txt";

// A source newer than its older copy on the destination.
void OlderCopy(CopyWorld& world, const std::string& older = "older copy") {
    world.Source("a.txt", "new copy, longer");
    world.Destination("a.txt", older);
    world.Date(kTo, 1995);
}

std::size_t FilesIn(const CopyWorld& world) {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator(world.drives.Host("e/dst")))
        ++count;
    return count;
}

TEST(CopyOverOlder, TheNewCopyTakesTheOlderOnesPlaceOnlyWhole) {
    CopyWorld world;
    OlderCopy(world);
    // The rename fails: the older copy stays, and nothing else does.
    world.fs.FailCall(FsCall::Rename, 1, platform::HostError::IoError);
    const CopyOutcome failed = CopyBFile(world.run, kFrom, kTo, true);
    EXPECT_EQ(failed.code, kCopyBroken);
    EXPECT_EQ(failed.stage, CopyStage::PutInPlace);
    EXPECT_EQ(world.Copied("a.txt"), "older copy");
    EXPECT_EQ(FilesIn(world), 1u);

    world.fs.ClearFaults();
    // As the walk knows it: the free space then loses the difference only.
    FileFacts facts;
    facts.sourceSize = 16;
    facts.destinationKnown = true;
    facts.destinationDate = world.fs.GetFileDate(kTo);
    facts.destinationSize = 10;
    const std::int64_t freeBefore = world.run.counters.dstBytesFree;
    EXPECT_EQ(CopyKnownFile(world.run, kFrom, kTo, true, facts).code, kCopyDone);
    EXPECT_EQ(world.Copied("a.txt"), "new copy, longer");
    EXPECT_EQ(world.fs.GetFileDate(kTo), world.fs.GetFileDate(kFrom));
    EXPECT_EQ(FilesIn(world), 1u);
    EXPECT_EQ(world.run.counters.dstBytesFree, freeBefore - 16 + 10);
}

TEST(CopyOverOlder, AReadOnlyOlderCopyIsKeptAndAReadOnlyNewOneIsMadeBeside) {
    CopyWorld world;
    OlderCopy(world);
    world.fs.SetAttributes(kTo, platform::kAttrReadOnly);
    EXPECT_EQ(CopyBFile(world.run, kFrom, kTo, true).code, kCopyCreateFailed);
    EXPECT_EQ(world.Copied("a.txt"), "older copy");
    EXPECT_EQ(FilesIn(world), 1u);

    // atts with ReadOnly: the new copy is made read-only beside, then put
    // in place.
    world.fs.SetAttributes(kTo, platform::kAttrArchive);
    world.Settings().atts = true;
    world.Settings().ReadOnly = true;
    EXPECT_EQ(CopyBFile(world.run, kFrom, kTo, true).code, kCopyDone);
    EXPECT_EQ(world.Copied("a.txt"), "new copy, longer");
    EXPECT_NE(world.fs.GetAttributes(kTo) & platform::kAttrReadOnly, 0);
    EXPECT_EQ(FilesIn(world), 1u);
}

// The name then holds the older copy, nothing, or the whole new copy: never
// a part of it.
TEST(CopyOverOlder, WithoutRoomForBothTheOlderCopyGoesFirstAndThatIsLogged) {
    CopyWorld world;
    OlderCopy(world, std::string(2000, 'o'));
    // 16 bytes do not fit into 10; in the older copy's place they need none.
    world.Free(10);
    // The first write is the log's line about it, the second the copy's.
    world.fs.FailCall(FsCall::Write, 2, platform::HostError::IoError);
    EXPECT_EQ(CopyBFile(world.run, kFrom, kTo, true).code, kCopyBroken);
    EXPECT_EQ(FilesIn(world), 0u);
    EXPECT_EQ(world.LogLines().at(0),
              "Removed e:\\dst\\a.txt to make room for its new copy (no room on the medium for "
              "both)");
    // In CD-R mode no room is counted in the older copy's place.
    world.Destination("a.txt", std::string(2000, 'o'));
    world.Date(kTo, 1995);
    world.run.copySession.cdrMode = true;
    EXPECT_EQ(CopyBFile(world.run, kFrom, kTo, true).code, kCopyNoRoom);
}

TEST(CopyOverOlder, AFailedLookAtTheSourceAfterwardsFailsTheCopy) {
    CopyWorld world;
    world.Destination("keep", "");
    world.Source("a.txt", "abc");
    world.fs.FailCall(FsCall::HandleStatus, 1, platform::HostError::IoError);
    const CopyOutcome outcome = CopyBFile(world.run, kFrom, kTo, true);
    EXPECT_EQ(outcome.code, kCopyBroken);
    EXPECT_EQ(outcome.error, platform::HostError::IoError);
    EXPECT_FALSE(world.Exists("a.txt"));
    EXPECT_EQ(world.run.counters.changedSources, 0);
}

// Whatever stands at a temporary name (a directory, a link planted on the
// medium) sends the copy to the next one, never through it.
TEST(UnfinishedCopy, ANameTakenByAnythingIsPassedOver) {
    CopyWorld world;
    world.Source("a.txt", "new");
    std::filesystem::create_directories(
        world.drives.Host("e/dst/" + UnfinishedCopyName(world.run, 1)));
    std::error_code noLinks;  // wine makes none: the directory alone stands in the way
    std::filesystem::create_symlink(world.drives.Host("d/src/a.txt"),
                                    world.drives.Host("e/dst/" + UnfinishedCopyName(world.run, 2)),
                                    noLinks);
    FileFacts facts;
    facts.destinationKnown = true;  // the listing showed nothing at a.txt
    facts.sourceSize = 3;
    EXPECT_EQ(CopyKnownFile(world.run, kFrom, kTo, true, facts).code, kCopyDone);
    EXPECT_EQ(world.Copied("a.txt"), "new");
    EXPECT_EQ(world.drives.Read("d/src/a.txt"), "new");
    EXPECT_FALSE(world.Exists(UnfinishedCopyName(world.run, noLinks ? 2 : 3)));
}

// Two runs copying into one directory: a temporary file that another run
// holds is its copy at work and stays; one that no run holds is a leftover
// and goes; a user's file that only looks like one is never touched.
TEST(UnfinishedCopy, OnlyALeftoverThatNoRunHoldsIsRemoved) {
    CopyWorld world;
    world.Source("a.txt", "new");
    const std::string live = "~brenx-unfinished-00000000000000aa-1.tmp";
    const std::string dead = "~brenx-unfinished-00000000000000bb-1.tmp";
    for (const std::string& name : {live, dead, std::string("~brenx-unfinished-7.tmp")})
        world.Destination(name, "theirs");
    world.fs.SetAttributes("e:\\dst\\" + dead, platform::kAttrReadOnly);  // atts with ReadOnly
    auto held = world.drives.Fs().Open("e:\\dst\\" + live, platform::Access::Read,
                                       platform::Disposition::OpenExisting);
    ASSERT_TRUE(held && held->HoldExclusively());
    EXPECT_TRUE(CopyTree(world.run, "d:\\src\\", "e:\\dst\\"));
    EXPECT_EQ(world.Copied("a.txt"), "new");
    EXPECT_EQ(world.Copied(live), "theirs");
    EXPECT_EQ(world.Copied("~brenx-unfinished-7.tmp"), "theirs");
    EXPECT_FALSE(world.Exists(dead));
    // Once its run let go of it (or died), the next listing removes it.
    held->Close();
    EXPECT_TRUE(CopyTree(world.run, "d:\\src\\", "e:\\dst\\"));
    EXPECT_FALSE(world.Exists(live));
    EXPECT_EQ(FilesIn(world), 2u);
}

// While a copy is written its run holds it: another run's listing leaves
// it alone (here at every poll of the copy), and the copy takes its name.
TEST(UnfinishedCopy, ACopyAtWorkIsHeldAgainstOtherRuns) {
    CopyWorld world;
    world.Destination("keep", "");
    world.Source("a.txt", std::string(70000, 'a'));  // two blocks: polls between
    int seen = 0;
    world.op.onPump = [&] {
        for (const auto& entry : std::filesystem::directory_iterator(world.drives.Host("e/dst"))) {
            const std::string name = entry.path().filename().string();
            if (!IsUnfinishedCopyName(name)) continue;
            RemoveUnfinishedCopy(world.run, "e:\\dst\\", name);
            seen += world.Exists(name) ? 1 : -100;
        }
    };
    EXPECT_EQ(CopyBFile(world.run, kFrom, kTo, true).code, kCopyDone);
    EXPECT_GT(seen, 0);
    EXPECT_EQ(world.Copied("a.txt"), std::string(70000, 'a'));
}

// Each run's names are its own; names of the earlier form, or that only look
// like the program's, are a user's files.
TEST(UnfinishedCopy, ItsNamesAreEachRunsOwnAndNoOthersAreTakenForThem) {
    CopyWorld first;
    CopyWorld second;
    EXPECT_NE(UnfinishedCopyName(first.run, 3), UnfinishedCopyName(second.run, 3));
    for (int attempt = 1; attempt <= 12; ++attempt)
        EXPECT_TRUE(IsUnfinishedCopyName(UnfinishedCopyName(first.run, attempt)));
    for (const std::string tail : {"0.tmp", "02.tmp", "1.tmp.txt", ".tmp"})
        EXPECT_FALSE(IsUnfinishedCopyName("~brenx-unfinished-0123456789abcdef-" + tail)) << tail;
    for (const char* other : {"~brenx-unfinished.tmp", "~brenx-unfinished-0123456789ABCDEF-1.tmp",
                              "~brenx-unfinished-0123456789abcde-1.tmp"})
        EXPECT_FALSE(IsUnfinishedCopyName(other)) << other;
}

}  // namespace
}  // namespace brenx::copy
