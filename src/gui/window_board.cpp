#include "gui/window_board.h"

namespace brenx::gui {

void WindowBoard::SetText(run::BoardText which, const std::string& text) {
    const auto index = static_cast<std::size_t>(which);
    if (texts_[index] == text) return;
    texts_[index] = text;
    changed_.set(index);
}

void WindowBoard::ShowSourceCaption(bool shown) {
    sourceCaptionShown_ = shown;
    sourceCaptionChanged_ = true;
}

void WindowBoard::SetBannerLook(run::BannerLook look) {
    look_ = look;
    lookChanged_ = true;
}

void WindowBoard::SetOptionEcho(const run::OptionEchoCells& cells) {
    view_.ShowOptionEcho(cells);
}

void WindowBoard::SetRandomWait(bool visible, int position, int maximum) {
    randomWait_ = RandomWait{visible, position, maximum};
    randomWaitChanged_ = true;
}

void WindowBoard::Flush() {
    // The look before the banner's text, so that a new banner never shows
    // in the old colour.
    if (lookChanged_) view_.ShowBannerLook(look_);
    lookChanged_ = false;
    for (std::size_t i = 0; i < kTexts; ++i) {
        if (changed_.test(i)) {
            view_.ShowText(static_cast<run::BoardText>(i), QString::fromStdString(texts_[i]));
        }
    }
    changed_.reset();
    if (sourceCaptionChanged_) view_.ShowSourceCaption(sourceCaptionShown_);
    sourceCaptionChanged_ = false;
    if (randomWaitChanged_) {
        view_.ShowRandomWait(randomWait_.visible, randomWait_.position, randomWait_.maximum);
    }
    randomWaitChanged_ = false;
}

}  // namespace brenx::gui
