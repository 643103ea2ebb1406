#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace brenx::run {

// The texts of the main window.
enum class BoardText {
    SourceCaption,       // "Source:"
    Source,              // the source directory (or the log being copied)
    DestinationCaption,  // "Destination:" (verify relabels it)
    Destination,         // the destination directory
    FileName,            // the file at hand
    Status,              // the status lines (see StatusMemo)
    FreeSpace,           // free space and per-file progress
    Banner,              // greeting, success or failure banner, clock complaint
    Caption,             // the window's caption line
    Throughput,          // "%d minutes; %s bytes/minute"
    SettingsFile,        // the settings file in use
    RandomWaitCaption,   // the random-wait box's caption
};

// How the banner is drawn: the greeting, the green success banner, the red
// failure banner, or a red complaint.
enum class BannerLook { Greeting, Success, Failure, Complaint };

// The option echo: three rows of five cells, row by row.
inline constexpr std::size_t kOptionEchoColumns = 5;
inline constexpr std::size_t kOptionEchoRows = 3;
using OptionEchoCells = std::array<std::string, kOptionEchoColumns * kOptionEchoRows>;

// What the main window shows while the engine works. The engine sets it, the
// front end draws it; tests read it back. One thread; no call may throw.
class StatusBoard {
  public:
    virtual ~StatusBoard() = default;
    virtual void SetText(BoardText which, const std::string& text) = 0;
    virtual void ShowSourceCaption(bool shown) = 0;
    virtual void SetBannerLook(BannerLook look) = 0;
    // Replaces all fifteen cells and repaints at once.
    virtual void SetOptionEcho(const OptionEchoCells& cells) = 0;
    // The random-wait box: shown or hidden, with its progress.
    virtual void SetRandomWait(bool visible, int position, int maximum) = 0;
    // The first job of the run starts: a front end with windows puts them
    // where the operator last left them (app::Program::LoadPlacement).
    virtual void RestoreWindowPlacement() {}
};

}  // namespace brenx::run
