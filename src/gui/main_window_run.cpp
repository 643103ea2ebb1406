#include <QCloseEvent>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QWindow>

#include "app/program.h"
#include "gui/main_window.h"
#include "gui/media_dialog.h"
#include "gui/message_dialog.h"

// The main window around the run: its start at the first idle moment, the
// Stop button and close requests, the end, the window placements and help.
namespace brenx::gui {
namespace {

// A window's place is where its frame's outer corner is (the title bar's
// top left); its size is that of what it shows, inside the frame.
app::WindowBounds BoundsOf(const QWidget& window) {
    return app::WindowBounds{window.x(), window.y(), window.width(), window.height()};
}

// Puts the frame's outer corner at `place`. A move does that for a hidden
// window and for a framed one. A window on the screen that the window
// manager has not framed yet (the main window at the first idle moment)
// would be put with its inside there, so that it came back a title bar
// higher each run: the window system is asked for the frame's place instead.
void MoveFrame(QWidget& window, QPoint place) {
    QWindow* handle = window.windowHandle();
    const bool framed = window.frameGeometry() != window.geometry();
    if (handle != nullptr && window.isVisible() && !framed) {
        handle->setFramePosition(place);
    } else {
        window.move(place);
    }
}

void PlaceWindow(QWidget& window, const app::WindowBounds& bounds) {
    window.resize(bounds.width, bounds.height);
    MoveFrame(window, QPoint(bounds.left, bounds.top));
}

app::ScreenSize PrimaryScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return {};
    return app::ScreenSize{screen->geometry().width(), screen->geometry().height()};
}

}  // namespace

void MainWindow::IdleStart() {
    if (phase_ != Phase::Waiting) return;
    phase_ = Phase::Running;
    MoveForTheRun();
    program_ = std::make_unique<app::Program>(arguments_, *op_, board_);
    // The greeting and the caption line, before the first job.
    board_.Flush();
    clock_->start();
    const app::RunEnd end = program_->Run();
    clock_->stop();
    board_.Flush();
    EndRun(end.exitCode, end.windowCloses);
}

// The clock's beat, beside the engine's polls while a job works: a question
// that waits holds the polls, not the clock.
void MainWindow::ClockTick() {
    if (program_ == nullptr || !program_->Running()) return;
    program_->TickClock();
    board_.Flush();
}

// The window steps up and to the left as the run starts, out of the way of
// the dialogs that open over its centre.
void MainWindow::MoveForTheRun() {
    QPoint place = pos();
    if (place.x() >= 50) place.rx() -= 50;
    if (place.y() >= 70) place.ry() -= 70;
    MoveFrame(*this, place);
}

void MainWindow::EndRun(int exitCode, bool windowCloses) {
    exitCode_ = exitCode;
    if (windowCloses) {
        phase_ = Phase::Closing;
        close();
        return;
    }
    // The run is over but the window stays: the operator reads why and
    // closes it (the Stop button now does).
    phase_ = Phase::LeftOpen;
    stop_->setText("&Close");
}

void MainWindow::StopButtonClick() {
    if (RunOver()) {
        close();
        return;
    }
    stops_.Press();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (phase_ == Phase::LeftOpen) phase_ = Phase::Closing;
    if (phase_ != Phase::Closing) {
        // During the run a close request is a Stop press: the run ends
        // through "Give up now?" and its own completion.
        stops_.Press();
        event->ignore();
        return;
    }
    SavePlacement();
    event->accept();
    emit Finished(exitCode_);
}

void MainWindow::RestorePlacement() {
    if (!program_) return;
    QWidget* windows[] = {this, message_, media_};
    app::WindowPlacements placements;
    for (std::size_t i = 0; i < app::kPlacedWindows; ++i) {
        placements[i] = BoundsOf(*windows[i]);
    }
    if (!program_->LoadPlacement(PrimaryScreen(), placements)) return;
    for (std::size_t i = 0; i < app::kPlacedWindows; ++i) {
        if (!(placements[i] == BoundsOf(*windows[i]))) PlaceWindow(*windows[i], placements[i]);
    }
}

void MainWindow::SavePlacement() {
    if (!program_) return;
    program_->SavePlacement(PrimaryScreen(),
                            {BoundsOf(*this), BoundsOf(*message_), BoundsOf(*media_)});
}

void MainWindow::HelpClicked() {
    if (program_) program_->OpenHelp();
}

// The big texts and the option grid never keep the focus: it goes to the
// Stop button.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool grid = watched == opGrid_->viewport();
    if ((grid && event->type() == QEvent::MouseButtonPress) ||
        (watched == banner_ && event->type() == QEvent::FocusIn)) {
        stop_->setFocus();
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace brenx::gui
