#pragma once

#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>
#include <QString>
#include <memory>

#include "gui/sound_player.h"

class QAudioSink;

namespace brenx::gui {

// The alarm sound through the default sound output: a wave file, read and
// checked when it is opened, its samples kept in memory and handed to the
// output as it asks for them. Nothing here waits on the output or on a
// decoder, so a bad file or a missing device can never hold the window; a
// file that is no playable wave does not open, and without an output device
// (or when the output fails) playing fails, so the alarm beeps instead.
class QtSoundPlayer : public SoundPlayer {
  public:
    // The most of a sound file that is read: minutes of sound, far longer
    // than an alarm needs; a longer file plays its beginning.
    static constexpr qint64 kMaxSoundBytes = 16 * 1024 * 1024;

    QtSoundPlayer();
    ~QtSoundPlayer() override;

    bool Open(const QString& hostPath) override;
    void Close() override;
    bool IsPlaying() const override;
    bool Play() override;

  private:
    bool LastPlayFailed() const;

    QAudioFormat format_;
    QByteArray samples_;
    QBuffer source_;
    std::unique_ptr<QAudioSink> sink_;
};

}  // namespace brenx::gui
