#pragma once

#include <QString>
#include <array>
#include <bitset>
#include <string>

#include "run/status_board.h"

namespace brenx::gui {

// The main window as the board draws on it.
class BoardView {
  public:
    virtual ~BoardView() = default;
    virtual void ShowText(run::BoardText which, const QString& text) = 0;
    virtual void ShowSourceCaption(bool shown) = 0;
    virtual void ShowBannerLook(run::BannerLook look) = 0;
    virtual void ShowOptionEcho(const run::OptionEchoCells& cells) = 0;
    virtual void ShowRandomWait(bool visible, int position, int maximum) = 0;
    virtual void RestorePlacement() = 0;
};

// The status board of the main window. The engine may set a text for every
// file it copies; the board keeps what was set and hands the window only
// what changed, when the window is next drawn (Flush), so that twenty
// thousand small files cost no more than a few hundred repaints.
class WindowBoard : public run::StatusBoard {
  public:
    explicit WindowBoard(BoardView& view) : view_(view) {}

    void SetText(run::BoardText which, const std::string& text) override;
    void ShowSourceCaption(bool shown) override;
    void SetBannerLook(run::BannerLook look) override;
    // The option echo is drawn at once: it changes once a job.
    void SetOptionEcho(const run::OptionEchoCells& cells) override;
    void SetRandomWait(bool visible, int position, int maximum) override;
    void RestoreWindowPlacement() override { view_.RestorePlacement(); }

    // Hands the window what changed since the last flush.
    void Flush();

  private:
    static constexpr std::size_t kTexts =
        static_cast<std::size_t>(run::BoardText::RandomWaitCaption) + 1;

    struct RandomWait {
        bool visible = false;
        int position = 0;
        int maximum = 0;
    };

    BoardView& view_;
    std::array<std::string, kTexts> texts_;
    std::bitset<kTexts> changed_;
    bool sourceCaptionShown_ = true;
    bool sourceCaptionChanged_ = false;
    run::BannerLook look_ = run::BannerLook::Greeting;
    bool lookChanged_ = false;
    RandomWait randomWait_;
    bool randomWaitChanged_ = false;
};

}  // namespace brenx::gui
