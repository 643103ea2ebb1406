// How soon the desktop program answers a Stop press with "Give up now?"
// while it copies a big file. A second thread plays the operator: at a
// moment of its own, unrelated to the program's polls, it presses Stop (a
// queued click, as a mouse click would arrive) and notes the time; the
// question's window notes when it shows. The operator answers No a few
// times, then Yes, and the figures are printed in milliseconds.
//
//   stop_latency SOURCE DESTINATION [presses]     (BRENX_DRIVES maps the drives)

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>
#include <vector>

#include "gui/main_window.h"
#include "gui/message_dialog.h"
#include "gui/qt_sound_player.h"

namespace {

using Clock = std::chrono::steady_clock;

// Notes when each question shows and answers it: No, then Yes at the end.
class QuestionWatch : public QObject {
  public:
    explicit QuestionWatch(int presses) : presses_(presses) {}
    std::atomic<int> shown{0};
    std::vector<Clock::time_point> shownAt;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* dialog = qobject_cast<brenx::gui::MessageDialog*>(watched);
        if (dialog != nullptr && event->type() == QEvent::Show) {
            shownAt.push_back(Clock::now());
            const bool last = static_cast<int>(shownAt.size()) >= presses_;
            QTimer::singleShot(0, dialog, [dialog, last] {
                if (last) {
                    dialog->accept();
                } else {
                    dialog->reject();
                }
            });
            shown.fetch_add(1);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    int presses_;
};

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: stop_latency SOURCE DESTINATION [presses]\n");
        return 2;
    }
    const int presses = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;
    std::vector<std::string> arguments{argv[1], argv[2], "-x", "-r", "-s", "-L:stop.log"};
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    brenx::gui::QtSoundPlayer player;
    brenx::gui::MainWindow window(arguments, player);
    QuestionWatch watch(presses);
    application.installEventFilter(&watch);
    int exitCode = -1;
    QObject::connect(&window, &brenx::gui::MainWindow::Finished, &application, [&](int code) {
        exitCode = code;
        QApplication::exit(0);
    });

    std::vector<Clock::time_point> pressedAt;
    std::atomic<bool> done{false};
    std::thread operatorThread([&] {
        std::mt19937 random(12345);
        std::uniform_int_distribution<int> pause(60, 180);
        // The copy gets under way first.
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        for (int press = 0; press < presses && !done.load(); ++press) {
            std::this_thread::sleep_for(std::chrono::milliseconds(pause(random)));
            pressedAt.push_back(Clock::now());
            QMetaObject::invokeMethod(window.StopButton(), "click", Qt::QueuedConnection);
            while (watch.shown.load() <= press && !done.load()) {
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            }
        }
    });
    window.show();
    QApplication::exec();
    done = true;
    operatorThread.join();

    std::vector<double> latencies;
    for (std::size_t i = 0; i < pressedAt.size() && i < watch.shownAt.size(); ++i) {
        latencies.push_back(Milliseconds(watch.shownAt[i] - pressedAt[i]));
    }
    if (latencies.size() < static_cast<std::size_t>(presses)) {
        std::fprintf(stderr,
                     "the copy ended after %zu of %d presses (exit code %d): use a bigger file\n",
                     latencies.size(), presses, exitCode);
        return 1;
    }
    std::sort(latencies.begin(), latencies.end());
    std::printf("presses %zu  min %.1f ms  median %.1f ms  max %.1f ms  (exit code %d)\n",
                latencies.size(), latencies.front(), latencies[latencies.size() / 2],
                latencies.back(), exitCode);
    return 0;
}
