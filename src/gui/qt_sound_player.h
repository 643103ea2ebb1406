#pragma once

#include <QSoundEffect>

#include "gui/sound_player.h"

namespace brenx::gui {

// The alarm sound through Qt Multimedia: a wave file, loaded once per open.
class QtSoundPlayer : public SoundPlayer {
  public:
    bool Open(const QString& hostPath) override;
    void Close() override;
    bool IsPlaying() const override;
    bool Play() override;

  private:
    QSoundEffect effect_;
};

}  // namespace brenx::gui
