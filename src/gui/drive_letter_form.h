#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QLabel;
class QPushButton;
class QToolButton;
class QVBoxLayout;

namespace brenx::run {
class DriveLetterDialog;
}

namespace brenx::gui {

// The drive-letter dialog of verify: picks the drive letter under which the
// media now sits, or a directory, through the engine's model of the dialog,
// which keeps its mode and check box from one opening to the next.
class DriveLetterForm : public QDialog {
    Q_OBJECT

  public:
    explicit DriveLetterForm(QWidget* parent);

    // Shows the model modally; true for "&Ok do it" with a place named,
    // false for "&Don't" (or Escape, or the frame).
    bool Ask(run::DriveLetterDialog& model);

    QToolButton* UpArrow() const { return up_; }
    QToolButton* DownArrow() const { return down_; }
    QLineEdit* Field() const { return field_; }
    QCheckBox* IncludeSubdirs() const { return includeSubdirs_; }
    QPushButton* ThisDirButton() const { return thisDir_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* DontButton() const { return dont_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private slots:
    void Step(int direction);
    void UseCurrentDirectory();
    void FieldEdited(const QString& text);
    void SubdirsToggled(bool ticked);
    void OkClicked();

  private:
    void BuildLayout();
    // Shows what the model holds: the field in its mode, the check box.
    void ShowModel();

    run::DriveLetterDialog* model_ = nullptr;
    QLabel* explanation_ = nullptr;
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
    QLineEdit* field_ = nullptr;
    QVBoxLayout* fieldColumn_ = nullptr;
    QCheckBox* includeSubdirs_ = nullptr;
    QPushButton* thisDir_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* dont_ = nullptr;
};

}  // namespace brenx::gui
