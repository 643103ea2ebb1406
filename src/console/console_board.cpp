#include "console/console_board.h"

#include "support/safe_format.h"

namespace brenx::console {

void ConsoleBoard::Labelled(const char* caption, const std::string& text, std::string& shown) {
    if (text.empty() || text == shown) return;
    shown = text;
    Flush();
    output_.KeepProgress();
    output_.Text(std::string(caption) + " " + text + "\n");
}

// The engine may set the same banner more than once (the end of a job and
// the end of the run both report a failure); it is written once.
void ConsoleBoard::ShowBanner(const std::string& text) {
    if (bannerShown_ && text == shownBanner_ && look_ == shownBannerLook_) return;
    bannerShown_ = true;
    shownBanner_ = text;
    shownBannerLook_ = look_;
    Flush();
    output_.KeepProgress();
    const char* mark =
        look_ == run::BannerLook::Failure || look_ == run::BannerLook::Complaint ? "!! " : "** ";
    output_.Text(std::string(mark) + text + "\n");
}

void ConsoleBoard::SetText(run::BoardText which, const std::string& text) {
    using run::BoardText;
    switch (which) {
        case BoardText::Source:
            Labelled("Source:", text, shownSource_);
            return;
        case BoardText::DestinationCaption:
            destinationCaption_ = text;
            return;
        case BoardText::Destination:
            Labelled(destinationCaption_.c_str(), text, shownDestination_);
            return;
        case BoardText::SettingsFile:
            Labelled("Settings:", text, shownSettings_);
            return;
        case BoardText::Banner:
            ShowBanner(text);
            return;
        case BoardText::FileName:
            parts_.fileName = text;
            break;
        case BoardText::Status:
            parts_.status = text;
            break;
        case BoardText::FreeSpace:
            parts_.freeSpace = text;
            break;
        case BoardText::Throughput:
            parts_.throughput = text;
            break;
        case BoardText::RandomWaitCaption:
            randomWaitCaption_ = text;
            return;
        case BoardText::SourceCaption:
        case BoardText::Caption:
            // The window's own labels: the console shows the texts, not the window.
            return;
    }
    Changed();
}

void ConsoleBoard::SetOptionEcho(const run::OptionEchoCells& cells) {
    std::string echo;
    for (const std::string& cell : cells) {
        if (cell.empty()) continue;
        if (!echo.empty()) echo += "  ";
        echo += cell;
    }
    Labelled("Options:", echo, shownEcho_);
}

void ConsoleBoard::SetRandomWait(bool visible, int position, int maximum) {
    parts_.randomWait =
        visible ? support::SafeFormat("%s %d/%d", {randomWaitCaption_, position, maximum}) : "";
    Changed();
}

void ConsoleBoard::Changed() {
    dirty_ = true;
    const auto now = std::chrono::steady_clock::now();
    if (drawn_ && now - lastDrawn_ < interval_) return;
    drawn_ = true;
    lastDrawn_ = now;
    Flush();
}

void ConsoleBoard::Flush() {
    if (!dirty_) return;
    dirty_ = false;
    const std::string line = ProgressLine(parts_);
    if (!line.empty()) output_.Progress(line);
}

}  // namespace brenx::console
