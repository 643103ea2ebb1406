#include "gui/window_operator.h"

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QTimer>

#include "gui/alarm.h"
#include "gui/drive_letter_form.h"
#include "gui/log_picker.h"
#include "gui/media_dialog.h"
#include "gui/message_dialog.h"
#include "gui/stop_requests.h"
#include "gui/window_board.h"

namespace brenx::gui {

bool WindowOperator::ConfirmMessage(const std::string& text, bool alarm, options::QuestionId) {
    w_.board.Flush();
    return w_.message.Show(MessageKind::Confirm, QString::fromStdString(text), alarm);
}

void WindowOperator::InfoMessage(const std::string& text) {
    w_.board.Flush();
    w_.message.Show(MessageKind::Info, QString::fromStdString(text), true);
}

void WindowOperator::ErrorMessage(const std::string& text) {
    w_.board.Flush();
    w_.message.Show(MessageKind::Error, QString::fromStdString(text), true);
}

void WindowOperator::ShowLogMessage(const std::string& text) {
    w_.board.Flush();
    w_.message.Show(MessageKind::LogMessage, QString::fromStdString(text), true);
}

void WindowOperator::SetClipboardText(const std::string& text) {
    QApplication::clipboard()->setText(QString::fromStdString(text));
}

run::MediaAnswer WindowOperator::AskMedia(const run::MediaQuestion& question,
                                          run::MediaDialogActions& actions) {
    w_.board.Flush();
    return w_.media.Ask(question, actions);
}

bool WindowOperator::AskDriveLetter(run::DriveLetterDialog& dialog) {
    return w_.driveLetters.Ask(dialog);
}

bool WindowOperator::PickFile(const run::FilePick& pick, std::string& chosen) {
    w_.board.Flush();
    return w_.openLog.Pick(pick, chosen);
}

bool WindowOperator::PumpEvents() {
    w_.board.Flush();
    QApplication::processEvents();
    return w_.stops.Take();
}

bool WindowOperator::Wait(int milliseconds) {
    w_.board.Flush();
    if (w_.stops.Pending() || milliseconds <= 0) return w_.stops.Take();
    QEventLoop wait;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &wait, &QEventLoop::quit);
    timer.start(milliseconds);
    w_.stops.WakeOnPress(&wait);
    wait.exec();
    w_.stops.WakeOnPress(nullptr);
    return w_.stops.Take();
}

void WindowOperator::SetAlarmSound(const std::string& hostPath) {
    w_.alarm.SetSound(QString::fromStdString(hostPath));
}

void WindowOperator::Beep() {
    QApplication::beep();
}

}  // namespace brenx::gui
