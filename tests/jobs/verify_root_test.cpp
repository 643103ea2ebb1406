#include "jobs/verify_root.h"

#include <gtest/gtest.h>

#include <string>

#include "jobs/jobs_world.h"
#include "jobs/verify.h"
#include "support/safe_format.h"

namespace brenx::jobs {
namespace {

using testing::CrcLine;
using testing::JobsWorld;
using testing::Lines;

std::string Rooted(run::RunState& run, std::string name) {
    ApplyVerifyRoot(run, name);
    return name;
}

TEST(ApplyVerifyRoot, ReplacesTheLetterOrTheStartOfEveryName) {
    JobsWorld world;
    run::RunState& run = world.run;
    EXPECT_EQ(Rooted(run, "d:\\x\\y.txt"), "d:\\x\\y.txt");  // no root: as logged
    EXPECT_EQ(run.verifySession.cut, 0);

    run.verifySession.root = "e";
    EXPECT_EQ(Rooted(run, "d:\\x\\y.txt"), "e:\\x\\y.txt");
    EXPECT_EQ(run.verifySession.cut, -1);
    EXPECT_EQ(Rooted(run, ""), "");

    // A directory root without the subdirectories choice: the cut is fixed
    // after the first name's directory and kept for the names after it.
    run.verifySession.root = "f:\\copy\\";
    run.verifySession.cut = 0;
    EXPECT_EQ(Rooted(run, "d:\\data\\a.txt"), "f:\\copy\\a.txt");
    EXPECT_EQ(run.verifySession.cut, 9);
    EXPECT_EQ(Rooted(run, "d:\\data\\sub\\b.txt"), "f:\\copy\\sub\\b.txt");

    // With it, everything after the drive is kept.
    run.verifySession.cut = 0;
    run.verifySession.driveLetters.SetIncludeSubdirs(true);
    EXPECT_EQ(Rooted(run, "d:\\data\\a.txt"), "f:\\copy\\\\data\\a.txt");
    EXPECT_EQ(run.verifySession.cut, 3);

    // A name without a backslash keeps what follows its drive either way.
    run.verifySession.cut = 0;
    run.verifySession.driveLetters.SetIncludeSubdirs(false);
    EXPECT_EQ(Rooted(run, "d:a.txt"), "f:\\copy\\a.txt");
    EXPECT_EQ(Rooted(run, "d"), "f:\\copy\\");
}

// A copy logged on d: whose media now sit elsewhere.
struct MovedMedia {
    explicit MovedMedia(JobsWorld& world) {
        world.Put("e/data/a.txt", "A");
        world.Put("e/data/sub/b.txt", "B");
        world.Put("d/moved.log",
                  Lines({CrcLine("d:\\data\\a.txt", "A"), CrcLine("d:\\data\\sub\\b.txt", "B")}));
        world.Settings().verify = "d:\\moved.log";
        world.run.jobMode = run::JobMode::Verify;
    }
};

void PressFixSource(const run::MediaQuestion& question, run::MediaDialogActions& actions) {
    EXPECT_TRUE(question.showFixSource);
    EXPECT_TRUE(actions.FixSource());
}

TEST(RunVerify, FollowsTheMediaToAnotherLetter) {
    JobsWorld world;
    MovedMedia media(world);
    world.op
        .ExpectMedia(
            "Couldn't ReadBFile(d:\\data\\a.txt)!?; Try again? (wait awhile for new cd?)"
            "\r\n(a directory on the way is not there)",
            run::MediaAnswer::SourceFixed, PressFixSource)
        .ExpectDriveLetter(
            [](run::DriveLetterDialog& dialog) {
                EXPECT_EQ(dialog.Text(), "d");
                EXPECT_EQ(dialog.Caption(), "jiggery verify: \"d:\\data\\a.txt\"");
                dialog.StepUp();
            },
            true);
    EXPECT_TRUE(RunVerify(world.run));
    EXPECT_EQ(world.run.verifySession.root, "e");
    EXPECT_EQ(world.run.counters.fileCount, 2);
    // The second file was found on e: at once.
    EXPECT_EQ(world.op.MediaQuestions().size(), 1u);
}

TEST(RunVerify, FollowsTheMediaToADirectory) {
    // The files of the log's first directory now lie right in e:\data.
    JobsWorld world;
    MovedMedia media(world);
    world.op
        .ExpectMedia(
            "Couldn't ReadBFile(d:\\data\\a.txt)!?; Try again? (wait awhile for new cd?)"
            "\r\n(a directory on the way is not there)",
            run::MediaAnswer::SourceFixed, PressFixSource)
        .ExpectDriveLetter(
            [](run::DriveLetterDialog& dialog) {
                dialog.UseCurrentDirectory();
                EXPECT_EQ(dialog.Text(), "d:\\");
                EXPECT_TRUE(dialog.CheckBoxShown());
                dialog.SetText("e:\\data\\");
            },
            true);
    EXPECT_TRUE(RunVerify(world.run));
    EXPECT_EQ(world.run.verifySession.root, "e:\\data\\");
    EXPECT_EQ(world.run.counters.fileCount, 2);

    // With the subdirectories choice the logged path is kept under the
    // directory: the copy now lies in e:\backup\data.
    JobsWorld kept;
    MovedMedia media2(kept);
    kept.Put("e/backup/data/a.txt", "A");
    kept.Put("e/backup/data/sub/b.txt", "B");
    kept.drives.Write("e/data/a.txt", "changed");
    kept.op
        .ExpectMedia(
            "Couldn't ReadBFile(d:\\data\\a.txt)!?; Try again? (wait awhile for new cd?)"
            "\r\n(a directory on the way is not there)",
            run::MediaAnswer::SourceFixed, PressFixSource)
        .ExpectDriveLetter(
            [](run::DriveLetterDialog& dialog) {
                dialog.UseCurrentDirectory();
                dialog.SetText("e:\\backup\\");
                dialog.SetIncludeSubdirs(true);
            },
            true);
    EXPECT_TRUE(RunVerify(kept.run));
    EXPECT_EQ(kept.run.verifySession.cut, 3);
    EXPECT_EQ(kept.run.counters.fileCount, 2);
    EXPECT_EQ(kept.run.counters.crcErrors, 0);
}

TEST(RunVerify, FindsAFileUnderItsNameCutTo64Characters) {
    JobsWorld world;
    const std::string stem(70, 'n');
    const std::string shortStem(60, 'n');
    world.Put("e/long/" + shortStem + ".txt", "x");
    const std::string logged = "e:\\long\\" + stem + ".txt";
    world.Put("d/long.log", Lines({CrcLine(logged, "y")}));
    world.Settings().verify = "d:\\long.log";
    EXPECT_FALSE(RunVerify(world.run));
    EXPECT_EQ(world.run.counters.fileCount, 1);
    // The mismatch names the path that was read.
    EXPECT_NE(world.run.verdict.Reason().find("file e:\\long\\" + shortStem + ".txt: crc sb"),
              std::string::npos);

    // Without fix64 the long name is put to the operator as it stands.
    JobsWorld plain;
    plain.Put("e/long/" + shortStem + ".txt", "x");
    plain.Put("d/long.log", Lines({CrcLine(logged, "x")}));
    plain.Settings().verify = "d:\\long.log";
    plain.Settings().fix64 = false;
    plain.op.ExpectMedia(
        support::SafeFormat("Couldn't ReadBFile(%s)!?; Try again? (wait awhile for new cd?)",
                            {logged}) +
            "\r\n(the file is not there)",
        run::MediaAnswer::GiveUp);
    EXPECT_FALSE(RunVerify(plain.run));

    // A shortened name that is not there either brings the logged name back.
    JobsWorld neither;
    neither.Put("d/long.log", Lines({CrcLine(logged, "x")}));
    neither.Settings().verify = "d:\\long.log";
    neither.op.ExpectMedia(
        support::SafeFormat("Couldn't ReadBFile(%s)!?; Try again? (wait awhile for new cd?)",
                            {logged}) +
            "\r\n(a directory on the way is not there)",
        run::MediaAnswer::GiveUp);
    EXPECT_FALSE(RunVerify(neither.run));
    // The long name, then the short one, were tried.
    std::vector<std::string> tried;
    for (const std::string& path : neither.fs.opened) {
        if (path.rfind("e:", 0) == 0) tried.push_back(path);
    }
    EXPECT_EQ(tried, (std::vector<std::string>{logged, "e:\\long\\" + shortStem + ".txt"}));
}

}  // namespace
}  // namespace brenx::jobs
