#include "jobs/key_file.h"

#include <gtest/gtest.h>

#include "jobs/jobs_world.h"
#include "run/exit_codes.h"

namespace brenx::jobs {
namespace {

using testing::JobsWorld;

constexpr const char* kMissing =
    "destination keyfile e:\\disc1.key missing. Try again? (I clipped the name)";

TEST(CheckKeyFile, LooksInTheRootOfTheMediaAndConsumesTheKey) {
    JobsWorld world;
    world.Settings().destination = "e:\\backup\\";
    world.Settings().source = "d:\\data\\";
    EXPECT_TRUE(CheckKeyFile(world.run, "destination"));  // no key set

    world.Settings().dstkey = "disc1.key";
    world.Put("e/disc1.key", "");
    EXPECT_TRUE(CheckKeyFile(world.run, "destination"));
    EXPECT_EQ(world.Settings().dstkey, "");

    world.Settings().srckey = "src.key";
    world.Put("d/src.key", "");
    EXPECT_TRUE(CheckKeyFile(world.run, "source"));
    EXPECT_EQ(world.Settings().srckey, "");
    EXPECT_EQ(world.op.MediaQuestions().size(), 0u);
}

TEST(CheckKeyFile, AsksForTheMediaWithTheNameClipped) {
    JobsWorld world;
    world.Settings().destination = "E:\\Backup\\";
    world.Settings().dstkey = "disc1.key";
    // A key beside the files is not in the root.
    world.Put("e/Backup/disc1.key", "");
    world.op.ExpectMedia(kMissing, run::MediaAnswer::TryAgain,
                         [&](const run::MediaQuestion& question, run::MediaDialogActions&) {
                             EXPECT_FALSE(question.showSkip);
                             EXPECT_EQ(world.op.Clipboard(), "e:\\disc1.key");
                             world.Put("e/disc1.key", "");
                         });
    EXPECT_TRUE(CheckKeyFile(world.run, "destination"));
    EXPECT_EQ(world.run.verdict.Code(), 0);
    EXPECT_EQ(world.Settings().dstkey, "");

    JobsWorld refused;
    refused.Settings().destination = "e:\\backup\\";
    refused.Settings().dstkey = "disc1.key";
    refused.op.ExpectMedia("d keyfile e:\\disc1.key missing. Try again? (I clipped the name)",
                           run::MediaAnswer::GiveUp);
    EXPECT_FALSE(CheckKeyFile(refused.run, "d"));
    EXPECT_EQ(refused.run.verdict.Code(), run::kExitKeyFileMissing);
    EXPECT_EQ(refused.run.verdict.Reason(), "d keyfile e:\\disc1.key missing");
    EXPECT_EQ(refused.Settings().dstkey, "disc1.key");

    // Once the run has failed nothing is asked, and the check fails.
    EXPECT_FALSE(CheckKeyFile(refused.run, "destination"));
    EXPECT_EQ(refused.run.verdict.Code(), run::kExitKeyFileMissing);
}

}  // namespace
}  // namespace brenx::jobs
