#include "gui/log_picker.h"

#include <QDir>

#include "run/file_pick.h"

namespace brenx::gui {

LogPicker::LogPicker(QWidget* parent) : QFileDialog(parent) {
    setObjectName("OpenLog");
    // The widget dialog: the same on every desktop, and it can be driven in
    // tests.
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::ExistingFile);
    setAcceptMode(QFileDialog::AcceptOpen);
    setDefaultSuffix("log");
}

QString NameFilterOf(const std::string& filter) {
    const QString text = QString::fromStdString(filter);
    const qsizetype bar = text.indexOf('|');
    if (bar < 0) return text;
    return text.left(bar) + " (" + text.mid(bar + 1) + ")";
}

bool LogPicker::Pick(const run::FilePick& pick, std::string& chosen) {
    setWindowTitle(QString::fromStdString(pick.title));
    setNameFilter(NameFilterOf(pick.filter));
    setDirectory(pick.hostDirectory.empty() ? QDir::currentPath()
                                            : QString::fromStdString(pick.hostDirectory));
    if (exec() != QDialog::Accepted || selectedFiles().isEmpty()) return false;
    chosen = selectedFiles().front().toStdString();
    return true;
}

}  // namespace brenx::gui
