#pragma once

#include <QDialog>
#include <QTimer>

#include "run/media_question.h"
#include "run/media_wait.h"

class QGroupBox;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace brenx::gui {

class Alarm;

// The media dialog: try again, skip this one, or give up, with the tools an
// operator needs at that moment (the format program, a one-minute wait, the
// clipboard, the noise, and in verify the drive-letter fix). Made once,
// reused for every question. It sounds the alarm while it waits.
class MediaDialog : public QDialog {
    Q_OBJECT

  public:
    MediaDialog(Alarm& alarm, QWidget* parent);

    // Shows the question modally until the operator answers. The engine's
    // buttons (Format, Fix source, F1's help) go through `actions`.
    run::MediaAnswer Ask(const run::MediaQuestion& question, run::MediaDialogActions& actions);

    QPlainTextEdit* Text() const { return text_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }
    QPushButton* FormatButton() const { return format_; }
    QPushButton* SkipButton() const { return skip_; }
    QPushButton* ClipButton() const { return clip_; }
    QPushButton* FixSourceButton() const { return fixSource_; }
    QPushButton* NoiseButton() const { return noise_; }
    QPushButton* MinuteWaitButton() const { return minuteWait_; }
    QGroupBox* WaitBox() const { return waitBox_; }
    QProgressBar* WaitProgress() const { return waitProgress_; }
    bool Waiting() const { return wait_.Waiting(); }
    bool NoiseOn() const { return noiseOn_; }

  public slots:
    void done(int result) override;
    // One second of the one-minute wait (the wait's timer calls it).
    void AdvanceWait();

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private slots:
    void NoiseClicked();
    void MinuteWaitClicked();
    void FormatClicked();
    void FixSourceClicked();
    void ClipClicked();

  private:
    enum Result { kSkip = 2, kSourceFixed = 3 };

    void BuildLayout();
    QWidget* BuildButtonColumn();
    void FixSize();
    void ShowOnly(const run::MediaQuestion& question);
    void ShowWait(run::MediaWait::Change change);

    Alarm& alarm_;
    run::MediaDialogActions* actions_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    // The question as the engine put it, for the clipboard.
    QString questionText_;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* format_ = nullptr;
    QPushButton* skip_ = nullptr;
    QPushButton* clip_ = nullptr;
    QPushButton* fixSource_ = nullptr;
    QPushButton* noise_ = nullptr;
    QPushButton* minuteWait_ = nullptr;
    QGroupBox* waitBox_ = nullptr;
    QProgressBar* waitProgress_ = nullptr;
    QTimer waitTimer_;
    run::MediaWait wait_;
    bool noiseOn_ = false;
};

}  // namespace brenx::gui
