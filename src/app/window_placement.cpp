#include "app/window_placement.h"

#include <algorithm>

#include "options/tqmr_file.h"

namespace brenx::app {
namespace {

constexpr const char* kScreenSection = "screen";

// Moves a position so that position + size ends on the screen, and never
// below 0.
int Clamp(int position, int size, int screen) {
    if (position + size > screen) position = screen - size;
    return std::max(position, 0);
}

bool HasSection(options::TqmrFile& file, const char* section) {
    for (const char* key : {"top", "left", "width", "height"}) {
        if (file.Find(section, key)) return true;
    }
    return false;
}

WindowBounds ReadBounds(options::TqmrFile& file, const char* section, WindowBounds current) {
    WindowBounds stored;
    stored.top = file.ReadInteger(section, "top", current.top);
    stored.left = file.ReadInteger(section, "left", current.left);
    stored.width = file.ReadInteger(section, "width", current.width);
    stored.height = file.ReadInteger(section, "height", current.height);
    return stored;
}

}  // namespace

const char* PlacementSection(PlacedWindow window) {
    switch (window) {
        case PlacedWindow::Main:
            return "main";
        case PlacedWindow::Message:
            return "msg";
        case PlacedWindow::Media:
            return "media";
    }
    return "main";
}

WindowBounds FitToScreen(WindowBounds bounds, ScreenSize screen) {
    bounds.width = std::min(bounds.width, screen.width);
    bounds.height = std::min(bounds.height, screen.height);
    bounds.left = Clamp(bounds.left, bounds.width, screen.width);
    bounds.top = Clamp(bounds.top, bounds.height, screen.height);
    return bounds;
}

bool LoadPlacement(options::TqmrFile& file, ScreenSize screen, WindowPlacements& windows) {
    if (file.ReadInteger(kScreenSection, "width", -1) != screen.width ||
        file.ReadInteger(kScreenSection, "height", -1) != screen.height) {
        return false;
    }
    for (std::size_t i = 0; i < kPlacedWindows; ++i) {
        const char* section = PlacementSection(static_cast<PlacedWindow>(i));
        if (!HasSection(file, section)) continue;
        windows[i] = FitToScreen(ReadBounds(file, section, windows[i]), screen);
    }
    return true;
}

bool SavePlacement(options::TqmrFile& file, ScreenSize screen, const WindowPlacements& windows) {
    bool written = file.WriteInteger(kScreenSection, "width", screen.width) &&
                   file.WriteInteger(kScreenSection, "height", screen.height);
    for (std::size_t i = 0; i < kPlacedWindows && written; ++i) {
        const char* section = PlacementSection(static_cast<PlacedWindow>(i));
        const WindowBounds& b = windows[i];
        written = file.WriteInteger(section, "top", b.top) &&
                  file.WriteInteger(section, "left", b.left) &&
                  file.WriteInteger(section, "width", b.width) &&
                  file.WriteInteger(section, "height", b.height);
    }
    return written;
}

}  // namespace brenx::app
