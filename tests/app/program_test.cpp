#include "app/program.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "platform/temp_drives.h"
#include "testkit/host_environment.h"
#include "testkit/recording_status_board.h"
#include "testkit/scripted_run_operator.h"

namespace brenx::app {
namespace {

// Calls back when a banner is shown (the run's end shows one).
class BannerBoard : public testkit::RecordingStatusBoard {
  public:
    void SetText(run::BoardText which, const std::string& text) override {
        RecordingStatusBoard::SetText(which, text);
        if (which == run::BoardText::Banner && onBanner) onBanner();
    }
    std::function<void()> onBanner;
};

TEST(Program, RunsOnceAndSaysWhileItRuns) {
    platform::testing::TempDrives drives;
    std::filesystem::create_directories(drives.Host("d/src"));
    drives.Write("d/src/a.txt", "alpha");
    drives.Write("d/brenx.ini", "[brenx]\r\nsizeini=" + drives.Outside("d/size.ini") + "\r\n");
    testkit::SetVariable("BRENX_DRIVES", "d=" + drives.Host("d") + ";e=" + drives.Host("e"));
    testkit::ScriptedRunOperator op;
    BannerBoard board;
    const std::string source = drives.Outside("d/src/");
    const std::string destination = drives.Outside("e/dst/");
    Program program({source, destination, "-l" + drives.Outside("d/run.log"),
                     "-i" + drives.Outside("d/brenx.ini")},
                    op, board);
    EXPECT_FALSE(program.Running());
    EXPECT_EQ(board.Text(run::BoardText::Banner), kGreeting);
    bool runningAtTheEnd = false;
    board.onBanner = [&] { runningAtTheEnd = program.Running(); };
    op.ExpectConfirm(
          "Brenx from " + source + " to " + destination + "?\r\n" +
              std::string("\r\n(you might consider disabling screen savers, Tiny Elvis, whatever; "
                          "Adaptec DirectCD CDR file writer might explode because of them, or then "
                          "again it might've been moon phase...)"),
          true)
        .ExpectInfo("Looks like we got out of here alive yet once again; I hope....");
    const RunEnd end = program.Run();
    EXPECT_EQ(end.exitCode, 0);
    EXPECT_TRUE(end.windowCloses);
    EXPECT_FALSE(program.Running());
    EXPECT_EQ(drives.Read("e/dst/a.txt"), "alpha");
    EXPECT_TRUE(runningAtTheEnd);

    // A second run runs nothing and tells how the first ended.
    EXPECT_EQ(program.Run().exitCode, 0);
    EXPECT_TRUE(op.ScriptDone());

    // The placements go to the file the settings name.
    const WindowPlacements windows{WindowBounds{1, 2, 300, 200}, WindowBounds{3, 4, 100, 100},
                                   WindowBounds{5, 6, 100, 100}};
    EXPECT_TRUE(program.SavePlacement(ScreenSize{1024, 768}, windows));
    WindowPlacements loaded{};
    EXPECT_TRUE(program.LoadPlacement(ScreenSize{1024, 768}, loaded));
    EXPECT_EQ(loaded, windows);
    EXPECT_TRUE(drives.Exists("d/size.ini"));
    testkit::ClearVariable("BRENX_DRIVES");
}

}  // namespace
}  // namespace brenx::app
