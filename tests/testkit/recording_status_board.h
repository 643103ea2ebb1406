#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "run/status_board.h"

namespace brenx::testkit {

// A status board that keeps what the engine set, for tests to read back.
class RecordingStatusBoard : public run::StatusBoard {
  public:
    struct RandomWait {
        bool visible = false;
        int position = 0;
        int maximum = 0;
    };

    void SetText(run::BoardText which, const std::string& text) override {
        texts_[which] = text;
        history_.emplace_back(which, text);
    }
    void ShowSourceCaption(bool shown) override { sourceCaptionShown_ = shown; }
    void SetBannerLook(run::BannerLook look) override { bannerLook_ = look; }
    void SetOptionEcho(const run::OptionEchoCells& cells) override {
        echo_ = cells;
        ++echoUpdates_;
    }
    void RestoreWindowPlacement() override { ++placementRestores_; }
    void SetRandomWait(bool visible, int position, int maximum) override {
        randomWait_ = {visible, position, maximum};
        randomWaitHistory_.push_back(randomWait_);
    }

    // The text last set (empty when never set).
    std::string Text(run::BoardText which) const {
        const auto found = texts_.find(which);
        return found == texts_.end() ? std::string() : found->second;
    }
    bool WasSet(run::BoardText which) const { return texts_.count(which) != 0; }
    // Every text set to this place, in order.
    std::vector<std::string> History(run::BoardText which) const {
        std::vector<std::string> texts;
        for (const auto& [place, text] : history_) {
            if (place == which) texts.push_back(text);
        }
        return texts;
    }
    bool SourceCaptionShown() const { return sourceCaptionShown_; }
    run::BannerLook Banner() const { return bannerLook_; }
    const run::OptionEchoCells& Echo() const { return echo_; }
    int EchoUpdates() const { return echoUpdates_; }
    const RandomWait& Wait() const { return randomWait_; }
    int PlacementRestores() const { return placementRestores_; }
    const std::vector<RandomWait>& WaitHistory() const { return randomWaitHistory_; }

  private:
    std::map<run::BoardText, std::string> texts_;
    std::vector<std::pair<run::BoardText, std::string>> history_;
    bool sourceCaptionShown_ = true;
    run::BannerLook bannerLook_ = run::BannerLook::Greeting;
    run::OptionEchoCells echo_{};
    int echoUpdates_ = 0;
    RandomWait randomWait_;
    std::vector<RandomWait> randomWaitHistory_;
    int placementRestores_ = 0;
};

}  // namespace brenx::testkit
