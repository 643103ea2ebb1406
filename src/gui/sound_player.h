#pragma once

#include <QString>

namespace brenx::gui {

// Plays the alarm sound: opens a sound file, plays it without blocking, tells
// whether it still plays, and closes it. Playing starts from the beginning
// each time, so a sound started again when it has ended loops.
class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    // False when the file cannot be opened as a sound.
    virtual bool Open(const QString& hostPath) = 0;
    // Stops a sound that plays and lets the file go.
    virtual void Close() = 0;
    virtual bool IsPlaying() const = 0;
    // Starts the sound from its beginning and returns at once; false when it
    // cannot play.
    virtual bool Play() = 0;
};

}  // namespace brenx::gui
