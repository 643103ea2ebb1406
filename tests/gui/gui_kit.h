#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "gui/alarm.h"
#include "gui/sound_player.h"

namespace brenx::gui::testing {

// A sound player that plays nothing and records what it was asked; the test
// says whether a sound plays and whether opening or playing fails.
class FakeSoundPlayer : public SoundPlayer {
  public:
    bool Open(const QString& hostPath) override {
        opened.push_back(hostPath);
        return openSucceeds;
    }
    void Close() override {
        ++closes;
        playing = false;
    }
    bool IsPlaying() const override { return playing; }
    bool Play() override {
        ++plays;
        playing = playSucceeds;
        return playSucceeds;
    }

    std::vector<QString> opened;
    int closes = 0;
    int plays = 0;
    bool playing = false;
    bool openSucceeds = true;
    bool playSucceeds = true;
};

// An alarm over a fake player that counts its beeps.
struct FakeAlarm {
    FakeAlarm() : alarm(player, [this] { ++beeps; }) {}
    FakeSoundPlayer player;
    int beeps = 0;
    Alarm alarm;
};

// The text a dialog of the program shows, for matching.
QString DialogText(QWidget* dialog);

// Answers the program's dialogs in the order a test expects them: each step
// names the dialog's caption and a piece of its text, and what to do with
// it. A dialog that is not expected fails the test and is closed as its frame
// would close it.
class DialogScript : public QObject {
    Q_OBJECT

  public:
    using Act = std::function<void(QDialog&)>;

    DialogScript();
    ~DialogScript() override;

    DialogScript& Expect(QString caption, QString textPart, Act act);
    bool Done() const { return steps_.empty(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Step {
        QString caption;
        QString textPart;
        Act act;
    };
    void Answer(QDialog* dialog);

    std::deque<Step> steps_;
};

// Acts that close a dialog.
void PressEnter(QDialog& dialog);
void PressEscape(QDialog& dialog);
void CloseByFrame(QDialog& dialog);

}  // namespace brenx::gui::testing
