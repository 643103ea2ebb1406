#pragma once

#include <array>
#include <cstddef>

namespace brenx::options {
class TqmrFile;
}

namespace brenx::app {

// Where the operator left the windows, kept from one run to the next in the
// placement file (setting `sizeini`) and put back only on a screen of the
// same size, never partly off the screen.

struct ScreenSize {
    int width = 0;
    int height = 0;
};

// A window's frame, in pixels.
struct WindowBounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const WindowBounds&) const = default;
};

// The windows whose places are kept, in the order the file lists them.
enum class PlacedWindow : std::size_t { Main, Message, Media };
inline constexpr std::size_t kPlacedWindows = 3;
using WindowPlacements = std::array<WindowBounds, kPlacedWindows>;

// The file's section of a window: "main", "msg" or "media".
const char* PlacementSection(PlacedWindow window);

// Shrinks the window to the screen, then moves it so that it lies wholly on
// the screen (right and bottom edges first, then left and top).
WindowBounds FitToScreen(WindowBounds bounds, ScreenSize screen);

// Reads the stored places over `windows`, which hold where the windows are
// now: a key the file lacks keeps the current value, a window whose section
// is missing keeps its bounds, and each stored window is fitted to the
// screen. False, with nothing changed, when the file was saved on a screen of
// another size (or holds no screen size at all).
bool LoadPlacement(options::TqmrFile& file, ScreenSize screen, WindowPlacements& windows);

// Writes the screen size and every window's bounds (top, left, width,
// height). False when the file could not be written.
bool SavePlacement(options::TqmrFile& file, ScreenSize screen, const WindowPlacements& windows);

}  // namespace brenx::app
