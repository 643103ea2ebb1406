#include "gui/drive_letter_form.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/design_fonts.h"
#include "gui/glyphs.h"
#include "run/drive_letter_dialog.h"

namespace brenx::gui {
namespace {

// The letter in big teal type; a directory path in small type, lower down.
constexpr int kLetterPixels = 24;
constexpr qreal kDirectoryPoints = 8;
constexpr int kDirectoryDrop = 10;

QToolButton* MakeArrow(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFixedSize(22, 17);
    return button;
}

QPushButton* MakeButton(const QIcon& glyph, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(glyph, caption, parent);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

DriveLetterForm::DriveLetterForm(QWidget* parent) : QDialog(parent) {
    setObjectName("vletForm");
    setWindowTitle(run::DriveLetterDialog::kDefaultCaption);
    BuildLayout();
    resize(444, 162);
    for (QWidget* control : findChildren<QWidget*>())
        control->installEventFilter(this);
    connect(up_, &QToolButton::clicked, this, [this] { Step(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
    connect(thisDir_, &QPushButton::clicked, this, &DriveLetterForm::UseCurrentDirectory);
    connect(field_, &QLineEdit::textEdited, this, &DriveLetterForm::FieldEdited);
    connect(includeSubdirs_, &QCheckBox::toggled, this, &DriveLetterForm::SubdirsToggled);
    connect(ok_, &QPushButton::clicked, this, &DriveLetterForm::OkClicked);
    connect(dont_, &QPushButton::clicked, this, &QDialog::reject);
}

void DriveLetterForm::BuildLayout() {
    // The whole explanation shows, wrapped to the width: the window grows
    // with it rather than cut it.
    explanation_ = new QLabel(run::DriveLetterDialog::kExplanation, this);
    explanation_->setWordWrap(true);
    explanation_->setTextFormat(Qt::PlainText);
    explanation_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    explanation_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    explanation_->setMargin(3);
    explanation_->setFont(TerminalFont(11));

    up_ = MakeArrow(Qt::UpArrow, this);
    down_ = MakeArrow(Qt::DownArrow, this);
    auto* spin = new QVBoxLayout;
    spin->setSpacing(0);
    spin->addWidget(up_);
    spin->addWidget(down_);
    spin->addStretch();

    field_ = new QLineEdit(this);
    field_->setFrame(false);
    field_->setBackgroundRole(QPalette::Window);
    QPalette teal = field_->palette();
    teal.setColor(QPalette::Text, QColor(0, 128, 128));
    teal.setColor(QPalette::Base, teal.color(QPalette::Window));
    field_->setPalette(teal);
    fieldColumn_ = new QVBoxLayout;
    fieldColumn_->addWidget(field_);
    fieldColumn_->addStretch();
    auto* letterRow = new QHBoxLayout;
    letterRow->addLayout(spin);
    letterRow->addLayout(fieldColumn_, 1);

    includeSubdirs_ = new QCheckBox("Include verify name subdirs", this);
    includeSubdirs_->hide();
    thisDir_ = MakeButton(Glyph(QStyle::SP_DirOpenIcon), "&This dir", this);
    dont_ = MakeButton(Glyph(QStyle::SP_DialogCancelButton), "&Don't", this);
    ok_ = MakeButton(Glyph(QStyle::SP_DialogOkButton), "&Ok do it", this);
    ok_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(includeSubdirs_);
    buttons->addStretch();
    buttons->addWidget(thisDir_);
    buttons->addWidget(dont_);
    buttons->addWidget(ok_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation_, 1);
    layout->addLayout(letterRow);
    layout->addLayout(buttons);
}

bool DriveLetterForm::Ask(run::DriveLetterDialog& model) {
    model_ = &model;
    setWindowTitle(QString::fromStdString(model.Caption()));
    ShowModel();
    ok_->setFocus();
    const bool taken = exec() == QDialog::Accepted;
    model_ = nullptr;
    return taken;
}

void DriveLetterForm::ShowModel() {
    const bool directory = model_->CurrentMode() == run::DriveLetterDialog::Mode::Directory;
    QFont font = field_->font();
    font.setBold(true);
    if (directory) {
        font.setPointSizeF(kDirectoryPoints);
    } else {
        font.setPixelSize(kLetterPixels);
    }
    field_->setFont(font);
    field_->setReadOnly(!directory);
    fieldColumn_->setContentsMargins(0, directory ? kDirectoryDrop : 0, 0, 0);
    field_->setText(QString::fromStdString(model_->Text()));
    includeSubdirs_->setVisible(model_->CheckBoxShown());
    includeSubdirs_->setChecked(model_->IncludeSubdirs());
}

void DriveLetterForm::Step(int direction) {
    if (model_ == nullptr) return;
    if (direction > 0) {
        model_->StepUp();
    } else {
        model_->StepDown();
    }
    ShowModel();
}

// The Up and Down keys step the letter as the arrows do, wherever the focus
// is: ahead of the buttons, which would move the focus with them.
bool DriveLetterForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DriveLetterForm::UseCurrentDirectory() {
    if (model_ == nullptr) return;
    model_->UseCurrentDirectory();
    ShowModel();
    field_->setFocus();
}

void DriveLetterForm::FieldEdited(const QString& text) {
    if (model_ != nullptr) model_->SetText(text.toStdString());
}

void DriveLetterForm::SubdirsToggled(bool ticked) {
    if (model_ != nullptr) model_->SetIncludeSubdirs(ticked);
}

void DriveLetterForm::OkClicked() {
    // An emptied field names no place: the dialog stays open.
    if (model_ != nullptr && model_->CanAccept()) accept();
}

}  // namespace brenx::gui
