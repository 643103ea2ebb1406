#include "gui/media_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/alarm.h"
#include "gui/design_fonts.h"
#include "gui/glyphs.h"
#include "gui/shown_text.h"

namespace brenx::gui {
namespace {

QPushButton* MakeButton(QStyle::StandardPixmap glyph, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(Glyph(glyph), caption, parent);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

MediaDialog::MediaDialog(Alarm& alarm, QWidget* parent) : QDialog(parent), alarm_(alarm) {
    setObjectName("MediaDlg");
    setWindowTitle("Media Dialog");
    // A fixed frame: no resize grip, no maximise button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    BuildLayout();
    FixSize();
    waitTimer_.setInterval(1000);
    connect(&waitTimer_, &QTimer::timeout, this, &MediaDialog::AdvanceWait);
}

void MediaDialog::BuildLayout() {
    text_ = new QPlainTextEdit(this);
    text_->setReadOnly(true);
    text_->setFrameShape(QFrame::NoFrame);
    text_->setFont(ArialFont(13, false));
    text_->setBackgroundRole(QPalette::Window);
    text_->viewport()->setBackgroundRole(QPalette::Window);
    text_->installEventFilter(this);

    waitBox_ = new QGroupBox(this);
    waitProgress_ = new QProgressBar(waitBox_);
    waitProgress_->setTextVisible(false);
    auto* waitLayout = new QVBoxLayout(waitBox_);
    waitLayout->addWidget(waitProgress_);
    waitBox_->hide();

    auto* bevel = new QFrame(this);
    bevel->setFrameShape(QFrame::StyledPanel);
    bevel->setFrameShadow(QFrame::Sunken);
    auto* message = new QVBoxLayout(bevel);
    message->addWidget(text_, 1);
    message->addWidget(waitBox_);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(bevel, 1);
    layout->addWidget(BuildButtonColumn());
}

// The design's size, or more where the fonts need it: room for the most a
// question shows (the copy's buttons and the wait box), so that no question
// is ever cut.
void MediaDialog::FixSize() {
    QWidget* const sometimes[] = {minuteWait_, noise_, waitBox_};
    for (QWidget* widget : sometimes)
        widget->show();
    layout()->activate();
    setFixedSize(QSize(484, 211).expandedTo(minimumSizeHint()));
    for (QWidget* widget : sometimes)
        widget->hide();
}

QWidget* MediaDialog::BuildButtonColumn() {
    auto* column = new QWidget(this);
    ok_ = MakeButton(QStyle::SP_DialogOkButton, "&Yes; try again", column);
    ok_->setDefault(true);
    cancel_ = MakeButton(QStyle::SP_DialogCancelButton, "&No; Give up", column);
    format_ = MakeButton(QStyle::SP_DriveCDIcon, "&Format?", column);
    fixSource_ = MakeButton(QStyle::SP_DirIcon, "Fix source?", column);
    fixSource_->hide();
    minuteWait_ = MakeButton(QStyle::SP_MediaPause, "wait a minute?", column);
    minuteWait_->hide();
    skip_ = MakeButton(QStyle::SP_MediaSkipForward, "&Skip this one?", column);
    noise_ = MakeButton(QStyle::SP_MediaVolume, "Stop &noise", column);
    noise_->hide();
    clip_ = new QPushButton("&Clip", column);
    clip_->setAutoDefault(false);

    // One slot holds Format, Fix source and the wait: each shows only when
    // the question offers it, and Format and the wait can both show.
    auto* buttons = new QVBoxLayout(column);
    buttons->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* button : {ok_, cancel_, format_, fixSource_, minuteWait_, skip_, noise_}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();
    buttons->addWidget(clip_);

    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(skip_, &QPushButton::clicked, this, [this] { done(kSkip); });
    connect(clip_, &QPushButton::clicked, this, &MediaDialog::ClipClicked);
    connect(format_, &QPushButton::clicked, this, &MediaDialog::FormatClicked);
    connect(fixSource_, &QPushButton::clicked, this, &MediaDialog::FixSourceClicked);
    connect(noise_, &QPushButton::clicked, this, &MediaDialog::NoiseClicked);
    connect(minuteWait_, &QPushButton::clicked, this, &MediaDialog::MinuteWaitClicked);
    return column;
}

void MediaDialog::ShowOnly(const run::MediaQuestion& question) {
    waitBox_->hide();
    fixSource_->setVisible(question.showFixSource);
    minuteWait_->setVisible(question.showMinuteWait);
    format_->setVisible(question.showFormat);
    skip_->setVisible(question.showSkip);
    ok_->show();
    cancel_->show();
}

run::MediaAnswer MediaDialog::Ask(const run::MediaQuestion& question,
                                  run::MediaDialogActions& actions) {
    actions_ = &actions;
    ShowOnly(question);
    questionText_ = QString::fromStdString(question.text);
    text_->setPlainText(ShownText(questionText_));
    wait_ = run::MediaWait(question);
    waitBox_->setTitle(QString::fromStdString(wait_.BoxCaption()));
    waitProgress_->setRange(0, wait_.Length());
    ok_->setFocus();
    const int result = exec();
    actions_ = nullptr;
    switch (result) {
        case QDialog::Accepted:
            return run::MediaAnswer::TryAgain;
        case kSourceFixed:
            return run::MediaAnswer::SourceFixed;
        case kSkip:
            return run::MediaAnswer::Skip;
        default:
            return run::MediaAnswer::GiveUp;
    }
}

void MediaDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ShowNoiseState(*noise_, true);
    noiseOn_ = alarm_.Sound(true);
    noise_->setVisible(noiseOn_);
    minuteWait_->setText(QString::fromStdString(wait_.ButtonCaption()));
}

void MediaDialog::done(int result) {
    // A close by the frame during the wait ends it, and the alarm stays off.
    if (wait_.Waiting()) {
        wait_.Close();
        ShowWait(run::MediaWait::Change::None);
    }
    alarm_.Sound(false);
    QDialog::done(result);
}

void MediaDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        if (actions_ != nullptr) actions_->OpenHelp();
        event->accept();
        return;
    }
    // During the wait only the frame answers.
    if (!wait_.TakesAnswers() && event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool MediaDialog::eventFilter(QObject* watched, QEvent* event) {
    // The message never keeps the focus while there is an answer to give.
    if (watched == text_ && event->type() == QEvent::FocusIn && ok_->isVisible()) {
        ok_->setFocus();
    }
    return QDialog::eventFilter(watched, event);
}

void MediaDialog::NoiseClicked() {
    alarm_.Sound(!noiseOn_);
    ShowNoiseState(*noise_, !noiseOn_);
    noiseOn_ = !noiseOn_;
}

void MediaDialog::FormatClicked() {
    if (actions_ != nullptr) actions_->Format();
}

void MediaDialog::FixSourceClicked() {
    if (actions_ != nullptr && actions_->FixSource()) done(kSourceFixed);
}

void MediaDialog::ClipClicked() {
    QApplication::clipboard()->setText(questionText_);
}

void MediaDialog::MinuteWaitClicked() {
    ShowWait(wait_.Press());
}

void MediaDialog::AdvanceWait() {
    ShowWait(wait_.Tick());
}

// Draws the wait as the model has it. The alarm is silent while it waits and
// calls the operator back when the wait is over.
void MediaDialog::ShowWait(run::MediaWait::Change change) {
    minuteWait_->setText(QString::fromStdString(wait_.ButtonCaption()));
    waitProgress_->setValue(wait_.Progress());
    waitBox_->setVisible(wait_.Waiting());
    ok_->setVisible(wait_.TakesAnswers());
    cancel_->setVisible(wait_.TakesAnswers());
    if (!wait_.Waiting()) {
        waitTimer_.stop();
    } else if (!waitTimer_.isActive()) {
        waitTimer_.start();
    }
    if (change == run::MediaWait::Change::None) return;
    if (noise_->isVisible()) {
        noiseOn_ = change == run::MediaWait::Change::Started;
        NoiseClicked();
    }
    if (change == run::MediaWait::Change::Ended) ok_->setFocus();
}

}  // namespace brenx::gui
