#include "gui/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <optional>

#include "gui/gui_kit.h"

namespace brenx::gui {
namespace {

using testing::DialogScript;
using testing::PressEnter;

// A run of the desktop program over temporary drives: s: holds a small tree,
// t: is the media, l: holds the settings file, the log and the placement
// file.
class DesktopRun : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        const QDir root(dir_.path());
        for (const char* sub : {"src/sub", "media", "run"})
            ASSERT_TRUE(root.mkpath(sub));
        Write("src/a.txt", "alpha");
        Write("src/sub/b.txt", "beta");
        setenv("BRENX_DRIVES",
               ("s=" + Path("src") + ";t=" + Path("media") + ";l=" + Path("run")).c_str(), 1);
    }

    std::string Path(const char* relative) const {
        return QDir(dir_.path()).filePath(relative).toStdString();
    }
    void Write(const char* relative, const QByteArray& content) {
        QFile file(QString::fromStdString(Path(relative)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QByteArray Read(const char* relative) const {
        QFile file(QString::fromStdString(Path(relative)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void Settings(const QByteArray& extra) {
        Write("run/brenx.ini", "[brenx]\r\nlog=run.log\r\nsizeini=L:\\size.ini\r\n" + extra);
    }

    // Runs the window until it has closed; `leftOpen` runs once the run is
    // over with the window still open, and must close it.
    int RunWindow(MainWindow& window, std::function<void()> leftOpen = {}) {
        QEventLoop loop;
        std::optional<int> exitCode;
        QObject::connect(&window, &MainWindow::Finished, &loop, [&](int code) {
            exitCode = code;
            loop.quit();
        });
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, &loop, [&] {
            if (window.RunOver() && window.isVisible() && leftOpen) std::exchange(leftOpen, {})();
        });
        watch.start(10);
        // A run that never ends fails here instead of hanging the suite.
        QTimer::singleShot(60000, &loop, [&] {
            ADD_FAILURE() << "the run did not end";
            loop.quit();
        });
        window.show();
        loop.exec();
        return exitCode.value_or(-1);
    }

    static std::vector<std::string> CopyArguments() {
        return {"s:\\", "t:\\copy\\", "-s", "-iL:\\brenx.ini"};
    }

    testing::FakeSoundPlayer player_;

  private:
    QTemporaryDir dir_;
};

const QString kStart = "Brenx from s:\\ to t:\\copy\\?";
const QString kAlive = "Looks like we got out of here alive yet once again; I hope....";

TEST_F(DesktopRun, CopiesAndClosesItselfWithTheExitCode) {
    Settings("");
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    Write("run/size.ini", QString("[screen]\r\nwidth=%1\r\nheight=%2\r\n[main]\r\ntop=30\r\n"
                                  "left=20\r\nwidth=700\r\nheight=280\r\n")
                              .arg(screen.width())
                              .arg(screen.height())
                              .toUtf8());
    MainWindow window(CopyArguments(), player_);
    DialogScript script;
    QPoint placed;
    script
        .Expect("Confirm?", kStart,
                [&](QDialog& d) {
                    // The first job put the window where the operator left it.
                    placed = window.pos();
                    EXPECT_EQ(window.size(), QSize(700, 280));
                    EXPECT_EQ(window.windowTitle().left(26), "Copy: BRENX 2/18/2015:xy. ");
                    PressEnter(d);
                })
        .Expect("", kAlive, PressEnter);
    EXPECT_EQ(RunWindow(window), 0);
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(placed, QPoint(20, 30));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(Read("media/copy/sub/b.txt"), "beta");
    EXPECT_TRUE(Read("run/run.log").contains("|t:\\copy\\a.txt|"));
    EXPECT_EQ(window.Banner()->toPlainText(), "Hooray! We finished! Succesfully maybe....");
    // The last message is on the clipboard, as every message shown is.
    EXPECT_EQ(QApplication::clipboard()->text(), kAlive);
    // The window's place is kept for the next run.
    EXPECT_TRUE(Read("run/size.ini").contains("[main]\r\ntop=30\r\nleft=20\r\nwidth=700\r\n"));
    EXPECT_TRUE(Read("run/size.ini").contains("[media]"));
}

TEST_F(DesktopRun, TheThroughputClockMovesOnWhileAQuestionWaits) {
    Settings("");
    Write("src/x|y.txt", "a name the CRC log cannot carry");
    MainWindow window(CopyArguments(), player_);
    DialogScript script;
    QString shownWhileWaiting;
    script.Expect("Confirm?", kStart, PressEnter)
        .Expect("Confirm?", "something screwy",
                [&](QDialog& d) {
                    // The clock started at the go-ahead; the job's polls stand
                    // still while this question waits.
                    QTest::qWait(3000);
                    shownWhileWaiting = window.Timings()->text();
                    PressEnter(d);
                })
        .Expect("Error", "Sorry: ", PressEnter);
    RunWindow(window);
    EXPECT_TRUE(script.Done());
    EXPECT_TRUE(shownWhileWaiting.startsWith("0 minutes; ")) << shownWhileWaiting.toStdString();
}

TEST_F(DesktopRun, StopAsksWhetherToGiveUpAndTheAnswerDecides) {
    Settings("");
    for (const bool giveUp : {false, true}) {
        MainWindow window(CopyArguments(), player_);
        DialogScript script;
        script.Expect("Confirm?", kStart, [&](QDialog& d) {
            window.StopButton()->click();
            PressEnter(d);
        });
        if (giveUp) {
            script.Expect("Confirm?", "Give up now?", PressEnter)
                .Expect("Error", "Sorry: brenxfiles(s:\\", PressEnter);
            EXPECT_EQ(RunWindow(window), 3);
            EXPECT_EQ(window.Banner()->toPlainText(), "Oops sorry about that...");
        } else {
            script.Expect("Confirm?", "Give up now?", testing::PressEscape)
                .Expect("", kAlive, PressEnter);
            EXPECT_EQ(RunWindow(window), 0);
            EXPECT_EQ(Read("media/copy/sub/b.txt"), "beta");
        }
        EXPECT_TRUE(script.Done());
    }
}

TEST_F(DesktopRun, ClosingTheWindowDuringTheRunIsAStopRequest) {
    Settings("");
    MainWindow window(CopyArguments(), player_);
    DialogScript script;
    bool stayedOpen = false;
    script
        .Expect("Confirm?", kStart,
                [&](QDialog& d) {
                    window.close();
                    stayedOpen = window.isVisible();
                    PressEnter(d);
                })
        .Expect("Confirm?", "Give up now?", PressEnter)
        .Expect("Error", "Sorry: brenxfiles(", PressEnter);
    EXPECT_EQ(RunWindow(window), 3);
    EXPECT_TRUE(stayedOpen);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(DesktopRun, AFailedTidyStartLeavesTheWindowOpenUntilTheOperatorClosesIt) {
    Settings("tidy=L:\\no such tidy.exe\r\n");
    std::vector<std::string> arguments = CopyArguments();
    arguments.push_back("-r");
    MainWindow window(arguments, player_);
    DialogScript script;
    script.Expect("Error", "tidy: Failure in WinExec(L:\\no such tidy.exe)", PressEnter);
    bool leftOpen = false;
    const int exitCode = RunWindow(window, [&] {
        leftOpen = true;
        EXPECT_EQ(window.StopButton()->text(), "&Close");
        // Idle moments come and go: the run is not started again.
        QApplication::processEvents();
        EXPECT_TRUE(script.Done());
        window.StopButton()->click();
    });
    EXPECT_TRUE(leftOpen);
    EXPECT_EQ(exitCode, 19);
    EXPECT_EQ(Read("media/copy/a.txt"), "alpha");
}

}  // namespace
}  // namespace brenx::gui
