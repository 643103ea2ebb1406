#include "app/window_placement.h"

#include <gtest/gtest.h>

#include "options/tqmr_file.h"
#include "platform/temp_drives.h"

namespace brenx::app {
namespace {

constexpr ScreenSize kSmall{1024, 768};

TEST(FitToScreen, ShrinksAndMovesAWindowWhollyOntoTheScreen) {
    EXPECT_EQ(FitToScreen({10, 20, 300, 200}, kSmall), (WindowBounds{10, 20, 300, 200}));
    // Too wide: as wide as the screen, at its left edge.
    EXPECT_EQ(FitToScreen({50, 20, 2000, 200}, kSmall), (WindowBounds{0, 20, 1024, 200}));
    // Hanging over the right edge: moved back onto the screen.
    EXPECT_EQ(FitToScreen({900, 20, 300, 200}, kSmall), (WindowBounds{724, 20, 300, 200}));
    // Above the top: at the top.
    EXPECT_EQ(FitToScreen({10, -40, 300, 200}, kSmall), (WindowBounds{10, 0, 300, 200}));
    EXPECT_EQ(FitToScreen({10, 700, 300, 900}, kSmall), (WindowBounds{10, 0, 300, 768}));
}

class PlacementFile : public ::testing::Test {
  protected:
    options::TqmrFile File() { return options::TqmrFile(drives.Fs(), "d:\\brenxsize.ini"); }
    void Write(const std::string& text) { drives.Write("d/brenxsize.ini", text); }

    platform::testing::TempDrives drives;
    WindowPlacements current{WindowBounds{100, 100, 743, 300}, WindowBounds{200, 200, 531, 190},
                             WindowBounds{150, 150, 484, 211}};
};

TEST_F(PlacementFile, SavedPlacesComeBackOnTheSameScreen) {
    const WindowPlacements moved{WindowBounds{5, 6, 800, 320}, WindowBounds{7, 8, 600, 200},
                                 WindowBounds{9, 10, 500, 230}};
    options::TqmrFile saving = File();
    ASSERT_TRUE(SavePlacement(saving, kSmall, moved));
    EXPECT_EQ(drives.Read("d/brenxsize.ini"),
              "[screen]\r\nwidth=1024\r\nheight=768\r\n[main]\r\ntop=6\r\nleft=5\r\nwidth=800\r\n"
              "height=320\r\n[msg]\r\ntop=8\r\nleft=7\r\nwidth=600\r\nheight=200\r\n[media]\r\n"
              "top=10\r\nleft=9\r\nwidth=500\r\nheight=230\r\n");

    options::TqmrFile loading = File();
    WindowPlacements windows = current;
    EXPECT_TRUE(LoadPlacement(loading, kSmall, windows));
    EXPECT_EQ(windows, moved);
}

TEST_F(PlacementFile, AnotherScreenOrNoFileChangesNothing) {
    Write("[screen]\r\nwidth=1024\r\nheight=768\r\n[main]\r\ntop=1\r\nleft=1\r\n");
    options::TqmrFile file = File();
    WindowPlacements windows = current;
    EXPECT_FALSE(LoadPlacement(file, ScreenSize{1280, 1024}, windows));
    EXPECT_FALSE(LoadPlacement(file, ScreenSize{1024, 1024}, windows));
    EXPECT_EQ(windows, current);

    options::TqmrFile missing(drives.Fs(), "d:\\none.ini");
    EXPECT_FALSE(LoadPlacement(missing, kSmall, windows));
    EXPECT_EQ(windows, current);
}

TEST_F(PlacementFile, StoredPlacesAreFittedAndMissingPartsKept) {
    // The main window too wide and too far left; the message dialog without
    // a width; no media section at all.
    Write(
        "[screen]\nwidth=1024\nheight=768\n[main]\ntop=-5\nleft=900\nwidth=2000\nheight=300\n"
        "[msg]\ntop=100\nleft=900\n");
    options::TqmrFile file = File();
    WindowPlacements windows = current;
    EXPECT_TRUE(LoadPlacement(file, kSmall, windows));
    EXPECT_EQ(windows[0], (WindowBounds{0, 0, 1024, 300}));
    EXPECT_EQ(windows[1], (WindowBounds{493, 100, 531, 190}));
    EXPECT_EQ(windows[2], current[2]);
}

}  // namespace
}  // namespace brenx::app
