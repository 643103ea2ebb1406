#include "gui/log_picker.h"

#include <QDir>

#include "run/file_pick.h"

namespace brenx::gui {

QFileDialog& LogPicker::Dialog() {
    if (!dialog_) {
        dialog_ = new QFileDialog(parent_);
        dialog_->setObjectName("OpenLog");
        // The widget dialog: the same on every desktop, and it can be driven
        // in tests.
        dialog_->setOption(QFileDialog::DontUseNativeDialog);
        dialog_->setFileMode(QFileDialog::ExistingFile);
        dialog_->setAcceptMode(QFileDialog::AcceptOpen);
        dialog_->setDefaultSuffix("log");
    }
    return *dialog_;
}

QString NameFilterOf(const std::string& filter) {
    const QString text = QString::fromStdString(filter);
    const qsizetype bar = text.indexOf('|');
    if (bar < 0) return text;
    return text.left(bar) + " (" + text.mid(bar + 1) + ")";
}

bool LogPicker::Pick(const run::FilePick& pick, std::string& chosen) {
    QFileDialog& dialog = Dialog();
    dialog.setWindowTitle(QString::fromStdString(pick.title));
    dialog.setNameFilter(NameFilterOf(pick.filter));
    dialog.setDirectory(pick.hostDirectory.empty() ? QDir::currentPath()
                                                   : QString::fromStdString(pick.hostDirectory));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    chosen = dialog.selectedFiles().front().toStdString();
    return true;
}

}  // namespace brenx::gui
