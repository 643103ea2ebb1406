#include <gtest/gtest.h>

#include <string>

#include "copy/copy_file.h"
#include "copy/copy_result.h"
#include "copy/copy_world.h"
#include "copy/unfinished_copy.h"
#include "run/exit_codes.h"

namespace brenx::copy {
namespace {

using platform::FsCall;
using platform::HostError;
using testing::CopyWorld;

constexpr const char* kFrom = "d:\\src\\a.txt";
constexpr const char* kTo = "e:\\dst\\a.txt";
const std::string kContent(200000, 'c');  // four blocks

// Nothing of the failed copy is left, and nothing was logged for it.
void ExpectNoTrace(const CopyWorld& world, const std::string& name = "a.txt") {
    EXPECT_FALSE(world.Exists(name));
    EXPECT_EQ(world.LogText().find("|e:\\dst\\" + name), std::string::npos);
}

TEST(CopyBFileFailure, AFailedReadIsABrokenCopyNotTheEndOfTheFile) {
    CopyWorld world;
    world.Destination("keep", "");
    world.Source("a.txt", kContent);
    world.fs.FailCall(FsCall::Read, 2, HostError::IoError);
    const CopyOutcome outcome = CopyBFile(world.run, kFrom, kTo, true);
    EXPECT_EQ(outcome.code, kCopyBroken);
    EXPECT_EQ(outcome.stage, CopyStage::ReadSource);
    EXPECT_EQ(outcome.error, HostError::IoError);
    ExpectNoTrace(world);
    EXPECT_EQ(world.drives.Read("d/src/a.txt"), kContent);

    // The same in nocopy: no CRC line for a file read only in part.
    world.Settings().nocopy = true;
    world.fs.FailCall(FsCall::Read, 3, HostError::IoError);
    EXPECT_EQ(CopyBFile(world.run, kFrom, kTo, true).code, kCopyBroken);
    EXPECT_EQ(world.LogText(), "");
}

TEST(CopyBFileFailure, AShortWriteOrAFailedCloseLeavesNoPartialFile) {
    CopyWorld world;
    world.Destination("keep", "");
    world.Source("a.txt", kContent);
    world.fs.ShortenWrite(2, 1000);
    EXPECT_EQ(CopyBFile(world.run, kFrom, kTo, true).code, kCopyBroken);
    ExpectNoTrace(world);

    // The destination is closed first; its close losing data is a failure.
    world.fs.ResetCounts();
    world.fs.FailCall(FsCall::Close, 1, HostError::IoError);
    EXPECT_EQ(CopyBFile(world.run, kFrom, kTo, true).code, kCopyBroken);
    ExpectNoTrace(world);

    // The same on CD-R media, where the date goes through the handle first.
    world.run.copySession.cdrMode = true;
    world.fs.ResetCounts();
    world.fs.FailCall(FsCall::Close, 1, HostError::NoSpace);
    EXPECT_EQ(CopyBFile(world.run, kFrom, kTo, true).code, kCopyBroken);
    ExpectNoTrace(world);
    EXPECT_EQ(world.drives.Read("d/src/a.txt"), kContent);
}

TEST(CopyBFileFailure, ABrokenCopyThatCannotBeDeletedIsLogged) {
    CopyWorld world;
    world.Destination("keep", "");
    world.Source("a.txt", kContent);
    world.fs.FailCall(FsCall::Write, 1, HostError::IoError);
    world.fs.FailCall(FsCall::Delete, 1, HostError::IoError);
    EXPECT_EQ(CopyBFile(world.run, kFrom, kTo, true).code, kCopyBroken);
    EXPECT_EQ(world.LogLines(),
              std::vector<std::string>{"Couldn't delete the broken copy e:\\dst\\" +
                                       UnfinishedCopyName(world.run, 1) + " (" +
                                       platform::HostErrorText(HostError::IoError) + ")"});
}

TEST(CopyBFileFailure, ACopyThatCannotStartKeepsASameNamedFile) {
    CopyWorld world;
    world.Settings().NewerOnly = false;
    world.Source("a.txt", kContent);
    world.Destination("a.txt", "the only good copy");
    world.fs.refusedOpens[kFrom] = HostError::AccessDenied;
    EXPECT_EQ(CopyBFile(world.run, kFrom, kTo, true).code, kCopySourceFailed);
    EXPECT_EQ(world.Copied("a.txt"), "the only good copy");
    world.fs.refusedOpens.clear();

    world.Free(10);
    EXPECT_EQ(CopyBFile(world.run, kFrom, kTo, true).code, kCopyNoRoom);
    EXPECT_EQ(world.Copied("a.txt"), "the only good copy");
    EXPECT_EQ(world.LogText(), "");

    // A destination that cannot be created (the source's open comes first):
    // code 3.
    world.Free(std::nullopt);
    world.fs.ResetCounts();
    world.fs.FailCall(FsCall::Open, 2, HostError::IoError);
    EXPECT_EQ(CopyBFile(world.run, kFrom, "e:\\dst\\b.txt", true).code, kCopyCreateFailed);
    ExpectNoTrace(world, "b.txt");
}

TEST(CopyBFileFailure, GivingUpDuringACopyRemovesIt) {
    CopyWorld world;
    world.Destination("keep", "");
    world.Source("a.txt", kContent);
    // "Give up now?" no: the copy goes on.
    world.op.PressStop();
    world.op.ExpectConfirm("Give up now?", false, true);
    EXPECT_EQ(CopyBFile(world.run, kFrom, kTo, true).code, kCopyDone);
    EXPECT_EQ(world.Copied("a.txt"), kContent);
    EXPECT_EQ(world.run.verdict.Code(), 0);

    world.op.PressStop();
    world.op.ExpectConfirm("Give up now?", true, true);
    EXPECT_EQ(CopyBFile(world.run, kFrom, "e:\\dst\\b.txt", true).code, kCopyBroken);
    EXPECT_EQ(world.run.verdict.Code(), run::kExitGaveUp);
    ExpectNoTrace(world, "b.txt");
}

}  // namespace
}  // namespace brenx::copy
