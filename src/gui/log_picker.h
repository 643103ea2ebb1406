#pragma once

#include <QFileDialog>
#include <string>

namespace brenx::run {
struct FilePick;
}

namespace brenx::gui {

// The open-file dialog of verify ("Select Log File"): starts in the
// directory of the logs the wildcard names, shows the files it matches, and
// lets the operator take one of them or browse to any other.
class LogPicker : public QFileDialog {
    Q_OBJECT

  public:
    explicit LogPicker(QWidget* parent);

    // Shows the dialog modally; the chosen file's host path, or false when
    // cancelled.
    bool Pick(const run::FilePick& pick, std::string& chosen);
};

// "Verify log files|*.log" as the dialog's filter: "Verify log files (*.log)".
QString NameFilterOf(const std::string& filter);

}  // namespace brenx::gui
