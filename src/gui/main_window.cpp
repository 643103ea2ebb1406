#include "gui/main_window.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "app/program.h"
#include "gui/design_fonts.h"
#include "gui/drive_letter_form.h"
#include "gui/glyphs.h"
#include "gui/log_picker.h"
#include "gui/media_dialog.h"
#include "gui/message_dialog.h"

namespace brenx::gui {
namespace {

constexpr qreal kWindowPoints = 8;
constexpr int kSmallPixels = 10;
constexpr qreal kBannerPoints = 20;

QLabel* MakeCaption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

// A text that may be longer than the window: it never widens the window.
QLabel* MakeValue(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    return label;
}

QPlainTextEdit* MakeMemo(QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setReadOnly(true);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setFocusPolicy(Qt::ClickFocus);
    memo->document()->setDocumentMargin(1);
    return memo;
}

int LinesHigh(const QPlainTextEdit* memo, int lines) {
    return memo->fontMetrics().lineSpacing() * lines + 2 * memo->frameWidth() + 4;
}

QColor BannerColour(run::BannerLook look) {
    switch (look) {
        case run::BannerLook::Greeting:
            return QColor(0, 0, 128);
        case run::BannerLook::Success:
            return QColor(0, 255, 0);
        case run::BannerLook::Failure:
        case run::BannerLook::Complaint:
            break;
    }
    return QColor(255, 0, 0);
}

}  // namespace

MainWindow::MainWindow(std::vector<std::string> arguments, SoundPlayer& player, QWidget* parent)
    : QWidget(parent),
      arguments_(std::move(arguments)),
      alarm_(player, [] { QApplication::beep(); }),
      board_(*this) {
    setObjectName("MainForm");
    setFont(SansFont(kWindowPoints));
    setMinimumSize(100, 100);
    BuildLayout();
    resize(743, 274);
    // First in the centre of the desktop.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    // The dialogs, each made once and reused for the life of the program.
    media_ = new MediaDialog(alarm_, this);
    driveLetters_ = new DriveLetterForm(this);
    message_ = new MessageDialog(alarm_, this);
    openLog_ = std::make_unique<LogPicker>(this);
    for (QWidget* dialog : std::initializer_list<QWidget*>{media_, driveLetters_, message_}) {
        dialog->setFont(SansFont(kWindowPoints));
    }
    op_ = std::make_unique<WindowOperator>(
        OperatorWindows{*message_, *media_, *driveLetters_, *openLog_, alarm_, stops_, board_});
    clock_ = new QTimer(this);
    // The engine keeps the figure's two-second rhythm; a beat of half a second
    // keeps a new figure from waiting up to twice as long.
    clock_->setInterval(500);
    connect(clock_, &QTimer::timeout, this, &MainWindow::ClockTick);
    // A zero timer fires once the window system's events are all handled: the
    // first idle moment.
    QTimer::singleShot(0, this, &MainWindow::IdleStart);
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildLayout() {
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(4, 4, 3, 4);
    layout->setSpacing(3);
    layout->addWidget(BuildHeader());

    opGrid_ = new QTableWidget(static_cast<int>(run::kOptionEchoRows),
                               static_cast<int>(run::kOptionEchoColumns), content);
    opGrid_->horizontalHeader()->hide();
    opGrid_->verticalHeader()->hide();
    opGrid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    opGrid_->setShowGrid(false);
    opGrid_->setFrameShape(QFrame::NoFrame);
    opGrid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    opGrid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    opGrid_->setSelectionMode(QAbstractItemView::NoSelection);
    opGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    opGrid_->setFocusPolicy(Qt::NoFocus);
    opGrid_->setFont(SmallFont(kSmallPixels));
    const int rowHeight = opGrid_->fontMetrics().height() + 1;
    opGrid_->verticalHeader()->setMinimumSectionSize(rowHeight);
    opGrid_->verticalHeader()->setDefaultSectionSize(rowHeight);
    opGrid_->setFixedHeight(rowHeight * static_cast<int>(run::kOptionEchoRows));
    opGrid_->viewport()->installEventFilter(this);
    ShowOptionEcho(run::OptionEchoCells{});
    layout->addWidget(opGrid_);

    status_ = MakeMemo(content);
    status_->setFixedHeight(LinesHigh(status_, 3));
    layout->addWidget(status_);
    layout->addWidget(BuildMiddle());

    banner_ = MakeMemo(content);
    banner_->setFont(BannerFont(kBannerPoints));
    banner_->setFixedHeight(LinesHigh(banner_, 1) + 6);
    banner_->installEventFilter(this);
    ShowBannerLook(run::BannerLook::Greeting);
    layout->addWidget(banner_);
    layout->addStretch();
    layout->addWidget(BuildFooter());

    // The window scrolls when it is made smaller than what it shows.
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
}

QWidget* MainWindow::BuildHeader() {
    auto* header = new QWidget;
    sourceLabel_ = MakeCaption("Source:", header);
    destinationLabel_ = MakeCaption("Destination:", header);
    fileLabel_ = MakeCaption("File:", header);
    source_ = MakeValue(header);
    destination_ = MakeValue(header);
    fileName_ = MakeValue(header);
    help_ = new QPushButton(Glyph(QStyle::SP_MessageBoxQuestion), "&Help", header);
    help_->setFixedSize(75, 25);
    help_->setFocusPolicy(Qt::TabFocus);
    connect(help_, &QPushButton::clicked, this, &MainWindow::HelpClicked);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &MainWindow::HelpClicked);

    auto* grid = new QGridLayout(header);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    grid->setColumnMinimumWidth(0, 72);
    grid->setColumnStretch(1, 1);
    const std::pair<QLabel*, QLabel*> rows[] = {
        {sourceLabel_, source_}, {destinationLabel_, destination_}, {fileLabel_, fileName_}};
    for (int row = 0; row < 3; ++row) {
        grid->addWidget(rows[row].first, row, 0);
        grid->addWidget(rows[row].second, row, 1);
    }
    grid->addWidget(help_, 0, 2, 2, 1, Qt::AlignTop | Qt::AlignRight);
    return header;
}

QWidget* MainWindow::BuildMiddle() {
    auto* middle = new QWidget;
    auto* pictures = new QHBoxLayout;
    for (QStyle::StandardPixmap which : {QStyle::SP_DriveCDIcon, QStyle::SP_DriveHDIcon}) {
        auto* picture = new QLabel(middle);
        picture->setPixmap(Picture(which, 32));
        pictures->addWidget(picture);
    }
    pictures->addStretch();
    auto* remember = new QLabel("REMEMBER", middle);

    stop_ = new QPushButton("&Stop ...", middle);
    stop_->setFixedSize(75, 25);
    connect(stop_, &QPushButton::clicked, this, &MainWindow::StopButtonClick);
    dstBytesFree_ = MakeValue(middle);

    rwBox_ = new QGroupBox("Random wait", middle);
    randomProgress_ = new QProgressBar(rwBox_);
    randomProgress_->setTextVisible(false);
    randomProgress_->setFixedHeight(12);
    auto* rwLayout = new QVBoxLayout(rwBox_);
    rwLayout->setContentsMargins(6, 2, 6, 4);
    rwLayout->addWidget(randomProgress_);
    rwBox_->setFixedWidth(217);
    rwBox_->hide();

    auto* grid = new QGridLayout(middle);
    grid->setContentsMargins(4, 0, 0, 0);
    grid->setColumnMinimumWidth(0, 236);
    grid->setColumnMinimumWidth(1, 128);
    grid->setColumnMinimumWidth(2, 217);
    grid->setColumnStretch(3, 1);
    grid->addLayout(pictures, 0, 0);
    grid->addWidget(stop_, 0, 1, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(rwBox_, 0, 2, Qt::AlignTop);
    grid->addWidget(remember, 1, 0);
    grid->addWidget(dstBytesFree_, 1, 1, 1, 3);
    return middle;
}

QWidget* MainWindow::BuildFooter() {
    auto* footer = new QWidget;
    iniName_ = MakeValue(footer);
    timings_ = MakeValue(footer);
    for (QLabel* label : {iniName_, timings_})
        label->setFont(SmallFont(kSmallPixels));
    auto* row = new QHBoxLayout(footer);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(iniName_, 385);
    row->addSpacing(43);
    row->addWidget(timings_, 315);
    return footer;
}

QLabel* MainWindow::TextLabel(run::BoardText which) const {
    switch (which) {
        case run::BoardText::SourceCaption:
            return sourceLabel_;
        case run::BoardText::Source:
            return source_;
        case run::BoardText::DestinationCaption:
            return destinationLabel_;
        case run::BoardText::Destination:
            return destination_;
        case run::BoardText::FileName:
            return fileName_;
        case run::BoardText::FreeSpace:
            return dstBytesFree_;
        case run::BoardText::Throughput:
            return timings_;
        case run::BoardText::SettingsFile:
            return iniName_;
        case run::BoardText::Status:
        case run::BoardText::Banner:
        case run::BoardText::Caption:
        case run::BoardText::RandomWaitCaption:
            break;
    }
    return nullptr;
}

void MainWindow::ShowText(run::BoardText which, const QString& text) {
    switch (which) {
        case run::BoardText::Status:
            status_->setPlainText(text);
            return;
        case run::BoardText::Banner:
            banner_->setPlainText(text);
            return;
        case run::BoardText::Caption:
            setWindowTitle(text);
            return;
        case run::BoardText::RandomWaitCaption:
            rwBox_->setTitle(text);
            return;
        default:
            break;
    }
    if (QLabel* label = TextLabel(which)) label->setText(text);
}

void MainWindow::ShowSourceCaption(bool shown) {
    sourceLabel_->setVisible(shown);
}

void MainWindow::ShowBannerLook(run::BannerLook look) {
    QPalette palette = banner_->palette();
    palette.setColor(QPalette::Text, BannerColour(look));
    banner_->setPalette(palette);
}

void MainWindow::ShowOptionEcho(const run::OptionEchoCells& cells) {
    const QColor maroon(128, 0, 0);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        auto* item = new QTableWidgetItem(QString::fromStdString(cells[i]));
        item->setForeground(maroon);
        opGrid_->setItem(static_cast<int>(i / run::kOptionEchoColumns),
                         static_cast<int>(i % run::kOptionEchoColumns), item);
    }
    opGrid_->repaint();
}

void MainWindow::ShowRandomWait(bool visible, int position, int maximum) {
    rwBox_->setVisible(visible);
    randomProgress_->setRange(0, maximum);
    randomProgress_->setValue(position);
}

}  // namespace brenx::gui
