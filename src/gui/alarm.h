#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

namespace brenx::gui {

class SoundPlayer;

// The alarm that calls the operator back to the machine while a question
// waits: the sound file played over and over, or, once a sound has failed
// to play, two beeps every half second. Without a sound (none set, or the
// file missing or unplayable) there is no alarm at all. The dialogs switch it
// on when they show and off when they close.
class Alarm : public QObject {
    Q_OBJECT

  public:
    static constexpr int kTickMs = 500;

    Alarm(SoundPlayer& player, std::function<void()> beep, QObject* parent = nullptr);

    // The sound in force for the run, as a host path; empty for none.
    void SetSound(const QString& hostPath) { sound_ = hostPath; }

    // Starts (on) or stops the alarm; true when a sound is now open and will
    // sound from the next tick on.
    bool Sound(bool on);
    bool Armed() const { return noiseTimer_.isActive(); }

  public slots:
    // Every half second while armed: starts the sound again when it has
    // ended, or beeps twice once it has failed.
    void Tick();

  private:
    SoundPlayer& player_;
    std::function<void()> beep_;
    QTimer noiseTimer_;
    QString sound_;
    // The file the player holds; cleared when it fails, which turns the
    // ticks into beeps.
    QString playerFile_;
    bool ticking_ = false;
};

}  // namespace brenx::gui
