#include "gui/qt_sound_player.h"

#include <QUrl>

namespace brenx::gui {

bool QtSoundPlayer::Open(const QString& hostPath) {
    effect_.setSource(QUrl::fromLocalFile(hostPath));
    effect_.setLoopCount(1);
    return effect_.status() != QSoundEffect::Error;
}

void QtSoundPlayer::Close() {
    effect_.stop();
    effect_.setSource(QUrl());
}

bool QtSoundPlayer::IsPlaying() const {
    return effect_.isPlaying();
}

bool QtSoundPlayer::Play() {
    // The sound loads in the background: one still loading plays once loaded.
    if (effect_.status() == QSoundEffect::Error) return false;
    effect_.play();
    return true;
}

}  // namespace brenx::gui
