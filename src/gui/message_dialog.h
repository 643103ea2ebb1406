#pragma once

#include <QDialog>
#include <QPoint>
#include <QTimer>

class QLabel;
class QPushButton;

namespace brenx::gui {

class Alarm;

// The four kinds of message: a message line from a CRC log, a notice, a
// failure report, and a yes/no question.
enum class MessageKind { LogMessage, Info, Error, Confirm };

// The message dialog: every message and question of the run, one at a time,
// in one window made once and reused. It sounds the alarm while it waits
// when asked to, offers a button to stop and restart the noise, and goes
// silent by itself when the operator clicks the text or moves the window.
class MessageDialog : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kMoveWatchMs = 200;

    MessageDialog(Alarm& alarm, QWidget* parent);

    // Shows the text modally (the caption, picture and buttons of its kind)
    // until the operator closes it. True when closed with OK; a question's
    // No, Escape and the window's frame give false.
    bool Show(MessageKind kind, const QString& text, bool withAlarm);

    QLabel* Text() const { return text_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* NoButton() const { return no_; }
    QPushButton* NoiseButton() const { return noise_; }
    // The picture shown (null for none).
    QLabel* ShownPicture() const;
    bool NoiseOn() const { return noiseOn_; }

  public slots:
    void done(int result) override;
    // The move watch's look at the window, every 200 ms while the noise
    // sounds: a moved window goes silent.
    void WatchMove();

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private slots:
    void NoiseClicked();

  private:
    void BuildLayout();
    void StartMoveWatch();
    void StopNoiseIfOn();

    Alarm& alarm_;
    QLabel* text_ = nullptr;
    QLabel* errorPicture_ = nullptr;
    QLabel* questionPicture_ = nullptr;
    QLabel* infoPicture_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* no_ = nullptr;
    QPushButton* noise_ = nullptr;
    QTimer moveWatch_;
    QPoint savedPosition_;
    bool positionKnown_ = false;
    bool alarmRequested_ = false;
    bool noiseOn_ = false;
};

}  // namespace brenx::gui
