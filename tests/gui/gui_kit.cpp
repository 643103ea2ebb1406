#include "gui/gui_kit.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>

#include "gui/media_dialog.h"
#include "gui/message_dialog.h"

namespace brenx::gui::testing {

QString DialogText(QWidget* dialog) {
    // The joiners that keep a drive's root on one line are not the engine's.
    const auto engineText = [](QString shown) { return shown.remove(QChar(0x2060)); };
    if (auto* message = qobject_cast<MessageDialog*>(dialog))
        return engineText(message->Text()->text());
    if (auto* media = qobject_cast<MediaDialog*>(dialog))
        return engineText(media->Text()->toPlainText());
    return dialog->windowTitle();
}

DialogScript::DialogScript() {
    qApp->installEventFilter(this);
}

DialogScript::~DialogScript() {
    qApp->removeEventFilter(this);
    for (const Step& step : steps_) {
        ADD_FAILURE() << "expected dialog never came: " << step.caption.toStdString() << ": "
                      << step.textPart.toStdString();
    }
}

DialogScript& DialogScript::Expect(QString caption, QString textPart, Act act) {
    steps_.push_back(Step{std::move(caption), std::move(textPart), std::move(act)});
    return *this;
}

bool DialogScript::eventFilter(QObject* watched, QEvent* event) {
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (dialog != nullptr && event->type() == QEvent::Show && dialog->isModal()) {
        // Answered from inside the dialog's own event loop, once it is up.
        QPointer<QDialog> shown(dialog);
        QTimer::singleShot(0, this, [this, shown] {
            if (shown && shown->isVisible()) Answer(shown);
        });
    }
    return QObject::eventFilter(watched, event);
}

void DialogScript::Answer(QDialog* dialog) {
    const QString text = DialogText(dialog);
    if (steps_.empty()) {
        ADD_FAILURE() << "unexpected dialog: " << dialog->windowTitle().toStdString() << ": "
                      << text.toStdString();
        dialog->close();
        return;
    }
    Step step = std::move(steps_.front());
    steps_.pop_front();
    EXPECT_EQ(dialog->windowTitle(), step.caption) << text.toStdString();
    EXPECT_TRUE(text.contains(step.textPart))
        << "expected: " << step.textPart.toStdString() << "\n     got: " << text.toStdString();
    step.act(*dialog);
}

void PressEnter(QDialog& dialog) {
    QTest::keyClick(&dialog, Qt::Key_Return);
}

void PressEscape(QDialog& dialog) {
    QTest::keyClick(&dialog, Qt::Key_Escape);
}

void CloseByFrame(QDialog& dialog) {
    dialog.close();
}

}  // namespace brenx::gui::testing
