#pragma once

#include <string>

#include "run/operator.h"

namespace brenx::options {
class Log;
}

namespace brenx::platform {
class FileSystem;
}

namespace brenx::run {

// The operator as the engine reaches it (RunState::Op). Before the person at
// the machine is asked or told anything, and before every wait, the run lets
// go of every medium: the log is closed and every open file let go
// (FileSystem::ReleaseMedia), so that any medium can be taken out at any
// question; what the run had open opens again when it is next used. The
// calls that return at once (events, clipboard, sounds) pass straight on.
class ReleasingOperator : public Operator {
  public:
    ReleasingOperator(Operator& inner, platform::FileSystem& fileSystem, options::Log& log)
        : inner_(inner), fileSystem_(fileSystem), log_(log) {}

    bool ConfirmMessage(const std::string& text, bool alarm, options::QuestionId id) override;
    void InfoMessage(const std::string& text) override;
    void ErrorMessage(const std::string& text) override;
    void ShowLogMessage(const std::string& text) override;
    void SetClipboardText(const std::string& text) override;
    MediaAnswer AskMedia(const MediaQuestion& question, MediaDialogActions& actions) override;
    bool AskDriveLetter(DriveLetterDialog& dialog) override;
    bool PickFile(const FilePick& pick, std::string& chosen) override;
    bool PumpEvents() override;
    bool Wait(int milliseconds) override;
    void SetAlarmSound(const std::string& hostPath) override;
    void Beep() override;

  private:
    void Release();

    Operator& inner_;
    platform::FileSystem& fileSystem_;
    options::Log& log_;
};

}  // namespace brenx::run
