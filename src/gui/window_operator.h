#pragma once

#include "run/operator.h"

namespace brenx::gui {

class Alarm;
class DriveLetterForm;
class LogPicker;
class MediaDialog;
class MessageDialog;
class StopRequests;
class WindowBoard;

// The desktop program's windows that the operator seam uses.
struct OperatorWindows {
    MessageDialog& message;
    MediaDialog& media;
    DriveLetterForm& driveLetters;
    LogPicker& openLog;
    Alarm& alarm;
    StopRequests& stops;
    WindowBoard& board;
};

// The operator seam on the desktop. Everything runs on the one thread of the
// windows: the engine's polls and waits let Qt's events run, so the Stop
// button, a close request, the timers and repainting work in the middle of a
// job, and every question is a modal dialog with its own event loop.
//
// The window code keeps the rule of run/operator.h: a slot sets a flag, works
// its own dialog (the drive-letter dialog works the engine's model of it) or
// closes it; only the media dialog's buttons reach the run, through the
// actions the engine hands it (Format, Fix source, its help). The one other
// call into the engine from a slot is the throughput clock's tick, which reads
// the run's counts and runs nothing.
class WindowOperator : public run::Operator {
  public:
    explicit WindowOperator(const OperatorWindows& windows) : w_(windows) {}

    bool ConfirmMessage(const std::string& text, bool alarm, options::QuestionId id) override;
    void InfoMessage(const std::string& text) override;
    void ErrorMessage(const std::string& text) override;
    void ShowLogMessage(const std::string& text) override;
    void SetClipboardText(const std::string& text) override;

    run::MediaAnswer AskMedia(const run::MediaQuestion& question,
                              run::MediaDialogActions& actions) override;
    bool AskDriveLetter(run::DriveLetterDialog& dialog) override;
    bool PickFile(const run::FilePick& pick, std::string& chosen) override;

    // Draws what the engine set and lets pending events run.
    bool PumpEvents() override;
    // A nested event loop that a timer or a Stop press ends; no core spins.
    bool Wait(int milliseconds) override;
    void SetAlarmSound(const std::string& hostPath) override;
    void Beep() override;

  private:
    OperatorWindows w_;
};

}  // namespace brenx::gui
