#pragma once

#include <chrono>
#include <string>

#include "console/console_output.h"
#include "console/progress_line.h"
#include "run/status_board.h"

namespace brenx::console {

// The main window on a terminal. The job's source, destination, settings file
// and option echo are written as lines when they change; the file at hand,
// the counters, the free space and the throughput make the progress line,
// drawn at most once per interval so that a copy of many small files is not
// slowed by the terminal; banners are lines of their own, after the last
// progress line.
class ConsoleBoard : public run::StatusBoard {
  public:
    ConsoleBoard(ConsoleOutput& output, std::chrono::milliseconds interval)
        : output_(output), interval_(interval) {}

    void SetText(run::BoardText which, const std::string& text) override;
    // The console writes "Source:" before every source it shows.
    void ShowSourceCaption(bool) override {}
    void SetBannerLook(run::BannerLook look) override { look_ = look; }
    void SetOptionEcho(const run::OptionEchoCells& cells) override;
    void SetRandomWait(bool visible, int position, int maximum) override;

    // Draws the progress line now if it changed since it was last drawn.
    void Flush();

  private:
    void Changed();
    void Labelled(const char* caption, const std::string& text, std::string& shown);
    void ShowBanner(const std::string& text);

    ConsoleOutput& output_;
    std::chrono::milliseconds interval_;
    std::chrono::steady_clock::time_point lastDrawn_{};
    bool drawn_ = false;
    bool dirty_ = false;
    ProgressParts parts_;
    std::string randomWaitCaption_;
    std::string destinationCaption_ = "Destination:";
    std::string shownSource_;
    std::string shownDestination_;
    std::string shownSettings_;
    std::string shownEcho_;
    run::BannerLook look_ = run::BannerLook::Greeting;
    bool bannerShown_ = false;
    std::string shownBanner_;
    run::BannerLook shownBannerLook_ = run::BannerLook::Greeting;
};

}  // namespace brenx::console
