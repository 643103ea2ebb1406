#include "gui/alarm.h"

#include <QFileInfo>

#include "gui/sound_player.h"

namespace brenx::gui {

Alarm::Alarm(SoundPlayer& player, std::function<void()> beep, QObject* parent)
    : QObject(parent), player_(player), beep_(std::move(beep)) {
    noiseTimer_.setInterval(kTickMs);
    connect(&noiseTimer_, &QTimer::timeout, this, &Alarm::Tick);
}

bool Alarm::Sound(bool on) {
    noiseTimer_.stop();
    if (!on) {
        player_.Close();
        return false;
    }
    playerFile_ = sound_;
    if (playerFile_.isEmpty() || !QFileInfo(playerFile_).isFile()) return false;
    if (!player_.Open(playerFile_)) {
        playerFile_.clear();
        return false;
    }
    // The first tick, half a second on, starts the sound.
    noiseTimer_.start();
    return true;
}

void Alarm::Tick() {
    // A tick can come again while a dialog runs its own event loop.
    if (ticking_) return;
    ticking_ = true;
    if (playerFile_.isEmpty()) {
        beep_();
        beep_();
    } else if (!player_.IsPlaying() && !player_.Play()) {
        playerFile_.clear();
    }
    ticking_ = false;
}

}  // namespace brenx::gui
