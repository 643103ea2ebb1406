#pragma once

#include <QTimer>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "gui/alarm.h"
#include "gui/log_picker.h"
#include "gui/stop_requests.h"
#include "gui/window_board.h"
#include "gui/window_operator.h"

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace brenx::app {
class Program;
}

namespace brenx::gui {

class DriveLetterForm;
class MediaDialog;
class MessageDialog;
class SoundPlayer;

// The main window of the desktop program. It has no start button: at the
// first idle moment it runs the program given by the command line, shows
// what the run does, asks through its dialogs, and closes itself at the end
// with the run's exit code (Finished). Closing it while the run is under way
// is a Stop press; after a failed start of the tidy program it stays open
// until the operator closes it.
class MainWindow : public QWidget, public BoardView {
    Q_OBJECT

  public:
    MainWindow(std::vector<std::string> arguments, SoundPlayer& player, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The parts tests look at.
    MessageDialog& Messages() { return *message_; }
    MediaDialog& Media() { return *media_; }
    DriveLetterForm& DriveLetters() { return *driveLetters_; }
    LogPicker& OpenLog() { return *openLog_; }
    Alarm& TheAlarm() { return alarm_; }
    QPushButton* StopButton() const { return stop_; }
    QPushButton* HelpButton() const { return help_; }
    QLabel* TextLabel(run::BoardText which) const;
    QPlainTextEdit* Banner() const { return banner_; }
    QPlainTextEdit* Status() const { return status_; }
    QLabel* Timings() const { return timings_; }
    QTableWidget* OptionGrid() const { return opGrid_; }
    QGroupBox* RandomWaitBox() const { return rwBox_; }
    bool RunOver() const { return phase_ == Phase::LeftOpen || phase_ == Phase::Closing; }

    // BoardView
    void ShowText(run::BoardText which, const QString& text) override;
    void ShowSourceCaption(bool shown) override;
    void ShowBannerLook(run::BannerLook look) override;
    void ShowOptionEcho(const run::OptionEchoCells& cells) override;
    void ShowRandomWait(bool visible, int position, int maximum) override;
    void RestorePlacement() override;

  signals:
    // The window has closed; the program ends with the exit code.
    void Finished(int exitCode);

  public slots:
    // The Stop button (and Ctrl-C on the terminal): the engine asks "Give up
    // now?" at its next poll. After the run it closes the window.
    void StopButtonClick();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private slots:
    // The idle handler: starts the run once.
    void IdleStart();
    void ClockTick();
    void HelpClicked();

  private:
    enum class Phase { Waiting, Running, LeftOpen, Closing };

    void BuildLayout();
    QWidget* BuildHeader();
    QWidget* BuildMiddle();
    QWidget* BuildFooter();
    void MoveForTheRun();
    void EndRun(int exitCode, bool windowCloses);
    void SavePlacement();

    std::vector<std::string> arguments_;
    StopRequests stops_;
    Alarm alarm_;
    QLabel* sourceLabel_ = nullptr;
    QLabel* source_ = nullptr;
    QLabel* destinationLabel_ = nullptr;
    QLabel* destination_ = nullptr;
    QLabel* fileLabel_ = nullptr;
    QLabel* fileName_ = nullptr;
    QTableWidget* opGrid_ = nullptr;
    QPlainTextEdit* status_ = nullptr;
    QPushButton* stop_ = nullptr;
    QLabel* dstBytesFree_ = nullptr;
    QGroupBox* rwBox_ = nullptr;
    QProgressBar* randomProgress_ = nullptr;
    QPlainTextEdit* banner_ = nullptr;
    QLabel* iniName_ = nullptr;
    QLabel* timings_ = nullptr;
    QPushButton* help_ = nullptr;
    MediaDialog* media_ = nullptr;
    DriveLetterForm* driveLetters_ = nullptr;
    MessageDialog* message_ = nullptr;
    std::unique_ptr<LogPicker> openLog_;
    WindowBoard board_;
    std::unique_ptr<WindowOperator> op_;
    std::unique_ptr<app::Program> program_;
    // The throughput clock's own beat, which goes on while a question waits.
    QTimer* clock_ = nullptr;
    Phase phase_ = Phase::Waiting;
    int exitCode_ = 0;
};

}  // namespace brenx::gui
