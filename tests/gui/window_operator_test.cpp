#include "gui/window_operator.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <map>

#include "gui/drive_letter_form.h"
#include "gui/gui_kit.h"
#include "gui/log_picker.h"
#include "gui/media_dialog.h"
#include "gui/message_dialog.h"
#include "gui/stop_requests.h"
#include "gui/window_board.h"
#include "run/file_pick.h"

namespace brenx::gui {
namespace {

using run::BoardText;

// A main window that records what the board hands it.
class RecordingView : public BoardView {
  public:
    void ShowText(BoardText which, const QString& text) override {
        ++shown[which];
        last[which] = text;
    }
    void ShowSourceCaption(bool) override {}
    void ShowBannerLook(run::BannerLook look) override { looks.push_back(look); }
    void ShowOptionEcho(const run::OptionEchoCells&) override { ++echoes; }
    void ShowRandomWait(bool, int, int) override {}
    void RestorePlacement() override { ++restores; }

    std::map<BoardText, int> shown;
    std::map<BoardText, QString> last;
    std::vector<run::BannerLook> looks;
    int echoes = 0;
    int restores = 0;
};

struct OperatorKit {
    OperatorKit()
        : board(view),
          message(fake.alarm, nullptr),
          media(fake.alarm, nullptr),
          driveLetters(nullptr),
          openLog(nullptr),
          op(OperatorWindows{message, media, driveLetters, openLog, fake.alarm, stops, board}) {}
    testing::FakeAlarm fake;
    RecordingView view;
    WindowBoard board;
    StopRequests stops;
    MessageDialog message;
    MediaDialog media;
    DriveLetterForm driveLetters;
    LogPicker openLog;
    WindowOperator op;
};

TEST(WindowBoard, HandsTheWindowOnlyTheLastOfManyTexts) {
    OperatorKit kit;
    for (int file = 0; file < 1000; ++file) {
        kit.board.SetText(BoardText::FileName, "f" + std::to_string(file) + ".bin");
    }
    kit.board.SetBannerLook(run::BannerLook::Failure);
    kit.board.SetText(BoardText::Banner, "Oops sorry about that...");
    EXPECT_TRUE(kit.view.shown.empty());
    EXPECT_FALSE(kit.op.PumpEvents());
    EXPECT_EQ(kit.view.shown[BoardText::FileName], 1);
    EXPECT_EQ(kit.view.last[BoardText::FileName], "f999.bin");
    EXPECT_EQ(kit.view.looks, std::vector<run::BannerLook>{run::BannerLook::Failure});
    // Nothing changed, nothing drawn; the same text again is no change.
    kit.board.SetText(BoardText::FileName, "f999.bin");
    kit.op.PumpEvents();
    EXPECT_EQ(kit.view.shown[BoardText::FileName], 1);
    // The placement is restored at once, when the first job starts.
    kit.board.RestoreWindowPlacement();
    EXPECT_EQ(kit.view.restores, 1);
}

TEST(WindowOperator, APressIsReportedOnceAndEndsAWaitAtOnce) {
    OperatorKit kit;
    kit.stops.Press();
    EXPECT_TRUE(kit.op.PumpEvents());
    EXPECT_FALSE(kit.op.PumpEvents());

    // A wait that nothing ends lasts its time.
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(kit.op.Wait(60));
    EXPECT_GE(clock.elapsed(), 60);

    // A press during a long wait ends it (the guard would end it otherwise).
    QTimer::singleShot(0, [&kit] { kit.stops.Press(); });
    clock.restart();
    EXPECT_TRUE(kit.op.Wait(60000));
    EXPECT_LT(clock.elapsed(), 30000);
    EXPECT_FALSE(kit.stops.Pending());
}

TEST(WindowOperator, TheClipboardGetsWhatTheEngineClips) {
    OperatorKit kit;
    kit.op.SetClipboardText("Give up now?");
    EXPECT_EQ(QApplication::clipboard()->text(), "Give up now?");
    QTimer::singleShot(0, [&kit] { kit.message.accept(); });
    kit.op.ShowLogMessage("Changed Media");
    EXPECT_EQ(QApplication::clipboard()->text(), "Give up now?");
}

}  // namespace
}  // namespace brenx::gui

namespace brenx::gui {
namespace {

TEST(LogPicker, OffersTheLogsOfTheWildcardAndGivesTheChosenHostPath) {
    EXPECT_EQ(NameFilterOf("Verify log files|*.log"), "Verify log files (*.log)");
    QTemporaryDir logs;
    QFile(logs.filePath("run1.log")).open(QIODevice::WriteOnly);
    run::FilePick pick;
    pick.filter = "Verify log files|run?.log";
    pick.hostDirectory = (logs.path() + "/").toStdString();
    LogPicker picker(nullptr);
    QTimer::singleShot(0, [&picker, &logs] {
        QFileDialog& dialog = picker.Dialog();
        EXPECT_EQ(dialog.windowTitle(), "Select Log File");
        EXPECT_EQ(dialog.directory().path(), logs.path());
        EXPECT_EQ(dialog.selectedNameFilter(), "Verify log files (run?.log)");
        dialog.selectFile(logs.filePath("run1.log"));
        QMetaObject::invokeMethod(&dialog, "accept");
    });
    std::string chosen;
    ASSERT_TRUE(picker.Pick(pick, chosen));
    EXPECT_EQ(chosen, logs.filePath("run1.log").toStdString());

    QTimer::singleShot(0, [&picker] { picker.Dialog().reject(); });
    EXPECT_FALSE(picker.Pick(pick, chosen));
}

}  // namespace
}  // namespace brenx::gui
