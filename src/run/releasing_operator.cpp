#include "run/releasing_operator.h"

#include "options/log_file.h"
#include "platform/file_system.h"

namespace brenx::run {

void ReleasingOperator::Release() {
    log_.Close();
    fileSystem_.ReleaseMedia();
}

bool ReleasingOperator::ConfirmMessage(const std::string& text, bool alarm,
                                       options::QuestionId id) {
    Release();
    return inner_.ConfirmMessage(text, alarm, id);
}

void ReleasingOperator::InfoMessage(const std::string& text) {
    Release();
    inner_.InfoMessage(text);
}

void ReleasingOperator::ErrorMessage(const std::string& text) {
    Release();
    inner_.ErrorMessage(text);
}

void ReleasingOperator::ShowLogMessage(const std::string& text) {
    Release();
    inner_.ShowLogMessage(text);
}

void ReleasingOperator::SetClipboardText(const std::string& text) {
    inner_.SetClipboardText(text);
}

MediaAnswer ReleasingOperator::AskMedia(const MediaQuestion& question,
                                        MediaDialogActions& actions) {
    Release();
    return inner_.AskMedia(question, actions);
}

bool ReleasingOperator::AskDriveLetter(DriveLetterDialog& dialog) {
    Release();
    return inner_.AskDriveLetter(dialog);
}

bool ReleasingOperator::PickFile(const FilePick& pick, std::string& chosen) {
    Release();
    return inner_.PickFile(pick, chosen);
}

bool ReleasingOperator::PumpEvents() {
    return inner_.PumpEvents();
}

bool ReleasingOperator::Wait(int milliseconds) {
    Release();
    return inner_.Wait(milliseconds);
}

void ReleasingOperator::SetAlarmSound(const std::string& hostPath) {
    inner_.SetAlarmSound(hostPath);
}

void ReleasingOperator::Beep() {
    inner_.Beep();
}

}  // namespace brenx::run
