#include "gui/message_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QWindow>
#include <utility>

#include "gui/alarm.h"
#include "gui/design_fonts.h"
#include "gui/glyphs.h"
#include "gui/shown_text.h"

namespace brenx::gui {
namespace {

constexpr int kPictureSize = 34;

QLabel* MakePicture(QStyle::StandardPixmap which, QWidget* parent) {
    auto* picture = new QLabel(parent);
    picture->setPixmap(Picture(which, kPictureSize));
    picture->setFixedSize(kPictureSize + 2, kPictureSize + 2);
    picture->hide();
    return picture;
}

const char* CaptionOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::LogMessage:
            return "Log message:";
        case MessageKind::Info:
            return "";
        case MessageKind::Error:
            return "Error";
        case MessageKind::Confirm:
            return "Confirm?";
    }
    return "";
}

}  // namespace

MessageDialog::MessageDialog(Alarm& alarm, QWidget* parent) : QDialog(parent), alarm_(alarm) {
    setObjectName("flogmsg");
    setWindowTitle("Log message:");
    setMinimumSize(100, 100);
    BuildLayout();
    resize(531, 190);
    moveWatch_.setInterval(kMoveWatchMs);
    connect(&moveWatch_, &QTimer::timeout, this, &MessageDialog::WatchMove);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(no_, &QPushButton::clicked, this, &QDialog::reject);
    connect(noise_, &QPushButton::clicked, this, &MessageDialog::NoiseClicked);
}

void MessageDialog::BuildLayout() {
    text_ = new QLabel(this);
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text_->setTextFormat(Qt::PlainText);
    text_->setFont(ArialFont(15, true));
    QPalette navy = text_->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    text_->setPalette(navy);
    text_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    text_->installEventFilter(this);

    errorPicture_ = MakePicture(QStyle::SP_MessageBoxCritical, this);
    questionPicture_ = MakePicture(QStyle::SP_MessageBoxQuestion, this);
    infoPicture_ = MakePicture(QStyle::SP_MessageBoxInformation, this);
    ok_ = new QPushButton(Glyph(QStyle::SP_DialogOkButton), "OK", this);
    ok_->setDefault(true);
    no_ = new QPushButton(Glyph(QStyle::SP_DialogNoButton), "&No", this);
    no_->hide();
    noise_ = new QPushButton(this);
    ShowNoiseState(*noise_, true);
    noise_->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(errorPicture_);
    buttons->addWidget(questionPicture_);
    buttons->addWidget(infoPicture_);
    buttons->addStretch();
    buttons->addWidget(no_);
    buttons->addWidget(ok_);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(24, 8, 10, 10);
    layout->addWidget(text_, 0, 0);
    // Absolute: the button's own direction flips with its glyph's side.
    layout->addWidget(noise_, 1, 0, Qt::AlignAbsolute | Qt::AlignRight);
    layout->addLayout(buttons, 2, 0);
    layout->setRowStretch(0, 1);
}

QLabel* MessageDialog::ShownPicture() const {
    for (QLabel* picture : {errorPicture_, questionPicture_, infoPicture_}) {
        if (!picture->isHidden()) return picture;
    }
    return nullptr;
}

bool MessageDialog::Show(MessageKind kind, const QString& text, bool withAlarm) {
    alarmRequested_ = withAlarm;
    no_->hide();
    for (QLabel* picture : {errorPicture_, infoPicture_, questionPicture_})
        picture->hide();
    if (kind == MessageKind::Error) errorPicture_->show();
    if (kind == MessageKind::Info) infoPicture_->show();
    if (kind == MessageKind::Confirm) {
        questionPicture_->show();
        no_->show();
    }
    setWindowTitle(CaptionOf(kind));
    text_->setText(ShownText(text));
    ok_->setFocus();
    return exec() == QDialog::Accepted;
}

void MessageDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The window system is never given an empty title: it would show the
    // program's name in its place. A blank one shows nothing.
    if (windowTitle().isEmpty()) windowHandle()->setTitle(QStringLiteral(" "));
    ShowNoiseState(*noise_, true);
    noiseOn_ = alarmRequested_ && alarm_.Sound(true);
    noise_->setVisible(noiseOn_);
    if (noiseOn_) StartMoveWatch();
}

void MessageDialog::done(int result) {
    // Whatever closes the window silences the alarm; the noise state stays
    // until the next showing sets it afresh.
    alarm_.Sound(false);
    QDialog::done(result);
}

void MessageDialog::keyPressEvent(QKeyEvent* event) {
    // Without the No button there is nothing for Escape to answer.
    if (event->key() == Qt::Key_Escape && no_->isHidden()) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MessageDialog::mousePressEvent(QMouseEvent* event) {
    StopNoiseIfOn();
    QDialog::mousePressEvent(event);
}

bool MessageDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text_ && event->type() == QEvent::MouseButtonPress) StopNoiseIfOn();
    return QDialog::eventFilter(watched, event);
}

void MessageDialog::NoiseClicked() {
    if (noiseOn_) {
        moveWatch_.stop();
        alarm_.Sound(false);
        ShowNoiseState(*noise_, false);
    } else {
        alarm_.Sound(true);
        ShowNoiseState(*noise_, true);
        StartMoveWatch();
    }
    noiseOn_ = !noiseOn_;
    ok_->setFocus();
}

// The position is taken at the watch's first look, not at once: a window
// manager places a window just after it is shown, and that is no move of the
// operator's.
void MessageDialog::StartMoveWatch() {
    positionKnown_ = false;
    moveWatch_.start();
}

void MessageDialog::StopNoiseIfOn() {
    if (noiseOn_) NoiseClicked();
}

void MessageDialog::WatchMove() {
    if (!std::exchange(positionKnown_, true) || pos() == savedPosition_) {
        savedPosition_ = pos();
        return;
    }
    StopNoiseIfOn();
    savedPosition_ = pos();
}

}  // namespace brenx::gui
