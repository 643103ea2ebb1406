#include "gui/message_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryFile>
#include <QTest>
#include <QWindow>

#include "gui/gui_kit.h"

namespace brenx::gui {
namespace {

using testing::FakeAlarm;

// A message dialog whose alarm has a sound to play.
struct MessageKit {
    MessageKit() : dialog(fake.alarm, nullptr) {
        sound.open();
        fake.alarm.SetSound(sound.fileName());
    }
    FakeAlarm fake;
    QTemporaryFile sound;
    MessageDialog dialog;
};

bool ShowThen(MessageKit& kit, MessageKind kind, std::function<void(MessageDialog&)> act,
              bool alarm = true) {
    QTimer::singleShot(0, [&kit, act] { act(kit.dialog); });
    return kit.dialog.Show(kind, "The text", alarm);
}

TEST(MessageDialog, EachRoutineHasItsCaptionPictureAndButtons) {
    MessageKit kit;
    struct Case {
        MessageKind kind;
        const char* caption;
        QStyle::StandardPixmap picture;
        bool noButton;
    };
    for (const Case& c :
         {Case{MessageKind::LogMessage, "Log message:", QStyle::SP_CustomBase, false},
          Case{MessageKind::Info, "", QStyle::SP_MessageBoxInformation, false},
          Case{MessageKind::Error, "Error", QStyle::SP_MessageBoxCritical, false},
          Case{MessageKind::Confirm, "Confirm?", QStyle::SP_MessageBoxQuestion, true}}) {
        ShowThen(kit, c.kind, [&c](MessageDialog& d) {
            EXPECT_EQ(d.windowTitle(), c.caption);
            // An empty title would show the program's name instead.
            EXPECT_FALSE(d.windowHandle()->title().isEmpty());
            EXPECT_EQ(d.windowHandle()->title().trimmed(), c.caption);
            EXPECT_EQ(d.Text()->text(), "The text");
            EXPECT_EQ(d.NoButton()->isVisible(), c.noButton) << c.caption;
            if (c.picture == QStyle::SP_CustomBase) {
                EXPECT_EQ(d.ShownPicture(), nullptr);
            } else {
                ASSERT_NE(d.ShownPicture(), nullptr) << c.caption;
                EXPECT_EQ(d.ShownPicture()->pixmap().toImage(),
                          d.style()->standardIcon(c.picture).pixmap(34, 34).toImage());
            }
            d.OkButton()->click();
        });
    }
}

TEST(MessageDialog, EnterIsOkAndEscapeOrTheFrameIsNo) {
    MessageKit kit;
    EXPECT_TRUE(ShowThen(kit, MessageKind::Confirm,
                         [](MessageDialog& d) { QTest::keyClick(&d, Qt::Key_Return); }));
    EXPECT_FALSE(ShowThen(kit, MessageKind::Confirm,
                          [](MessageDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }));
    EXPECT_FALSE(ShowThen(kit, MessageKind::Confirm, [](MessageDialog& d) { d.close(); }));
    EXPECT_FALSE(
        ShowThen(kit, MessageKind::Confirm, [](MessageDialog& d) { d.NoButton()->click(); }));

    // Without a No button Escape answers nothing: the message waits for OK.
    bool stillOpen = false;
    ShowThen(kit, MessageKind::Error, [&stillOpen](MessageDialog& d) {
        QTest::keyClick(&d, Qt::Key_Escape);
        stillOpen = d.isVisible();
        QTest::keyClick(&d, Qt::Key_Return);
    });
    EXPECT_TRUE(stillOpen);
}

TEST(MessageDialog, TheNoiseButtonStopsAndRestartsTheAlarm) {
    MessageKit kit;
    ShowThen(kit, MessageKind::Confirm, [&kit](MessageDialog& d) {
        ASSERT_TRUE(d.NoiseButton()->isVisible());
        EXPECT_EQ(d.NoiseButton()->text(), "Stop &noise");
        EXPECT_TRUE(kit.fake.alarm.Armed());
        d.NoiseButton()->click();
        EXPECT_EQ(d.NoiseButton()->text(), "Start &noise");
        EXPECT_FALSE(kit.fake.alarm.Armed());
        EXPECT_EQ(d.focusWidget(), d.OkButton());
        d.NoiseButton()->click();
        EXPECT_EQ(d.NoiseButton()->text(), "Stop &noise");
        EXPECT_TRUE(kit.fake.alarm.Armed());
        d.OkButton()->click();
    });
    // Closing the window always silences it.
    EXPECT_FALSE(kit.fake.alarm.Armed());

    // A question asked without the alarm has no noise and no button.
    ShowThen(
        kit, MessageKind::Confirm,
        [&kit](MessageDialog& d) {
            EXPECT_FALSE(d.NoiseButton()->isVisible());
            EXPECT_FALSE(kit.fake.alarm.Armed());
            d.OkButton()->click();
        },
        false);
}

TEST(MessageDialog, AClickOnTheTextOrAMoveSilencesTheNoise) {
    MessageKit kit;
    ShowThen(kit, MessageKind::Info, [](MessageDialog& d) {
        QTest::mouseClick(d.Text(), Qt::LeftButton);
        EXPECT_FALSE(d.NoiseOn());
        EXPECT_EQ(d.NoiseButton()->text(), "Start &noise");
        EXPECT_TRUE(d.isVisible());
        d.OkButton()->click();
    });

    bool silencedByMove = false;
    ShowThen(kit, MessageKind::Info, [&](MessageDialog& d) {
        // Moving the window while silent does nothing; while sounding it
        // stops the noise at the watch's next look.
        EXPECT_TRUE(d.NoiseOn());
        d.WatchMove();
        EXPECT_TRUE(d.NoiseOn());
        d.move(d.pos() + QPoint(30, 20));
        d.WatchMove();
        silencedByMove = !d.NoiseOn() && !kit.fake.alarm.Armed();
        d.move(d.pos() + QPoint(30, 20));
        d.WatchMove();
        EXPECT_FALSE(d.NoiseOn());
        d.OkButton()->click();
    });
    EXPECT_TRUE(silencedByMove);

    // Without a sound there is no noise to stop: no button, no watch.
    kit.fake.alarm.SetSound("");
    ShowThen(kit, MessageKind::Error, [](MessageDialog& d) {
        EXPECT_FALSE(d.NoiseButton()->isVisible());
        EXPECT_FALSE(d.NoiseOn());
        d.OkButton()->click();
    });
}

}  // namespace
}  // namespace brenx::gui
