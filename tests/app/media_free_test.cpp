// At every question of every kind of job nothing of the process is on any
// medium (the temporary drives d: and e:): no working directory, no open
// file, the log included, so the operator can unmount and change media.
#include <gtest/gtest.h>

#include "app/app_world.h"
#include "options/log_lines.h"
#include "platform/host_error.h"
#include "support/crc32.h"
#include "testkit/held_paths.h"

namespace brenx::app {
namespace {

using run::MediaAnswer;
using testing::AppWorld;
using testing::kStartNote;

// Checks what the process holds at each question.
void WatchQuestions(AppWorld& world) {
    world.op.onQuestion = [&world](const std::string& text) {
        EXPECT_EQ(testkit::HeldUnder(world.drives.Root()), std::vector<std::string>{})
            << "while asking: " << text;
    };
}

int Asked(AppWorld& world) {
    return static_cast<int>(world.op.Shown().size());
}

std::string CrcOf(const std::string& data) {
    support::Crc32Register crc;
    support::Crc32Init(crc);
    support::Crc32Update(reinterpret_cast<const std::uint8_t*>(data.data()), data.size(), crc);
    support::Crc32Final(crc);
    return options::CrcLogLine("", crc.value).substr(2);
}

TEST(MediaFree, ACopyThatChangesMedia) {
    AppWorld world({"d:\\src\\", "e:\\dst\\", "-s", "-le:\\run.log"});
    WatchQuestions(world);
    world.Settings().fakesize = 6;  // a.txt fits, sub\b.txt needs new media
    world.op.ExpectConfirm("Brenx from d:\\src\\ to e:\\dst\\?\r\n" + kStartNote, true);
    world.op.ExpectMedia(
        "Can't copy \"d:\\src\\sub\\b.txt\" because it's 4 bytes, and only 1 bytes left on e:\\; "
        "new media?",
        MediaAnswer::TryAgain);
    world.op.ExpectMedia(
        "Couldn't CopyBFile( d:\\src\\sub\\b.txt, e:\\dst\\sub\\b.txt); try new media?\r\n"
        "(the file did not fit on the medium before this one)",
        MediaAnswer::TryAgain);
    world.op.ExpectInfo("Looks like we got out of here alive yet once again; I hope....");
    EXPECT_EQ(world.Run(), 0);
    EXPECT_EQ(Asked(world), 4);
    EXPECT_EQ(world.drives.Read("e/dst/sub/b.txt"), "beta");
    EXPECT_NE(world.drives.Read("e/run.log").find("|:Changed Media\r\n"), std::string::npos);
}

TEST(MediaFree, AGiveUpQuestionInTheMiddleOfAFile) {
    AppWorld world({"d:\\src\\", "e:\\dst\\", "-r", "-le:\\run.log"},
                   [](platform::testing::TempDrives& drives) {
                       drives.Write("d/src/big.bin", std::string(300000, 'x'));
                   });
    WatchQuestions(world);
    bool pressed = false;
    world.op.onPump = [&] {
        if (!pressed && world.drives.Exists("e/dst/big.bin")) {
            pressed = true;
            world.op.PressStop();
        }
    };
    world.op.ExpectConfirm("Give up now?", false);
    EXPECT_EQ(world.Run(), 0);
    EXPECT_TRUE(pressed);
    EXPECT_EQ(world.drives.Read("e/dst/big.bin"), std::string(300000, 'x'));
}

TEST(MediaFree, AVerifyThatChangesMediaWithItsLogOnAMedium) {
    AppWorld world({"-ve:\\dst\\brun.log", "-r", "-le:\\verify.log"},
                   [](platform::testing::TempDrives& drives) {
                       std::filesystem::create_directories(drives.Host("e/dst"));
                       drives.Write("e/dst/a.txt", "alpha");
                       drives.Write("e/dst/brun.log",
                                    "|e:\\dst\\a.txt|" + CrcOf("alpha") +
                                        "\r\n|:Changed Media\r\n|e:\\dst\\b.txt|" + CrcOf("beta") +
                                        "\r\n");
                   });
    WatchQuestions(world);
    world.op.ExpectLogMessage("Changed Media");
    world.op.ExpectMedia(
        "Couldn't ReadBFile(e:\\dst\\b.txt)!?; Try again? (wait awhile for new cd?)\r\n"
        "(the file is not there)",
        MediaAnswer::TryAgain, [&world](const run::MediaQuestion&, run::MediaDialogActions&) {
            // The next medium: without the log, with the second file.
            std::filesystem::remove(world.drives.Host("e/dst/brun.log"));
            world.drives.Write("e/dst/b.txt", "beta");
        });
    EXPECT_EQ(world.Run(), 0);
    EXPECT_EQ(world.run->counters.fileCount, 2);
    EXPECT_EQ(world.run->counters.crcErrors, 0);
}

TEST(MediaFree, AReadBackAndAnArchiveClearing) {
    AppWorld reading(
        {"d:\\src\\", "e:\\", "-s", "-r", "-ld:\\read.log"},
        [](platform::testing::TempDrives& drives) { drives.Write("e/a.txt", "alpha"); });
    WatchQuestions(reading);
    reading.Settings().read = true;
    reading.fs.FailCall(platform::FsCall::Read, 1, platform::HostError::IoError);
    reading.op.ExpectMedia("Couldn't ReadBFile(e:\\a.txt)!?; Try again?\r\n(input/output error)",
                           MediaAnswer::TryAgain);
    EXPECT_EQ(reading.Run(), 0);
    EXPECT_EQ(reading.run->counters.fileCount, 1);

    AppWorld clearing({"d:\\src\\", "e:\\dst\\", "-s", "-ld:\\clear.log"});
    WatchQuestions(clearing);
    clearing.Settings().stopbak = true;
    clearing.op.ExpectConfirm("Crush arc bits on bunches of files?", true);
    clearing.op.ExpectInfo("Looks like we got out of here alive yet once again; I hope....");
    EXPECT_EQ(clearing.Run(), 0);
}

}  // namespace
}  // namespace brenx::app
