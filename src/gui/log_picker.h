#pragma once

#include <QFileDialog>
#include <QPointer>
#include <string>

namespace brenx::run {
struct FilePick;
}

namespace brenx::gui {

// The open-file dialog of verify ("Select Log File"): starts in the
// directory of the logs the wildcard names, shows the files it matches, and
// lets the operator take one of them or browse to any other. The dialog is
// made at the first pick and reused: made at once, it would watch the
// current directory for the whole run, and a copy that writes its log there
// would keep it busy.
class LogPicker {
  public:
    explicit LogPicker(QWidget* parent) : parent_(parent) {}

    // Shows the dialog modally; the chosen file's host path, or false when
    // cancelled.
    bool Pick(const run::FilePick& pick, std::string& chosen);

    // The dialog, made on first use.
    QFileDialog& Dialog();

  private:
    QWidget* parent_;
    QPointer<QFileDialog> dialog_;
};

// "Verify log files|*.log" as the dialog's filter: "Verify log files (*.log)".
QString NameFilterOf(const std::string& filter);

}  // namespace brenx::gui
