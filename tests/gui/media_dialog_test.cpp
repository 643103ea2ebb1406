#include "gui/media_dialog.h"

#include <QClipboard>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryFile>
#include <QTest>
#include <QTextLayout>

#include "gui/gui_kit.h"

namespace brenx::gui {
namespace {

using run::MediaAnswer;
using testing::FakeAlarm;

class CountingActions : public run::MediaDialogActions {
  public:
    void Format() override { ++formats; }
    bool FixSource() override {
        ++fixes;
        return fixSucceeds;
    }
    void OpenHelp() override { ++helps; }
    int formats = 0;
    int fixes = 0;
    int helps = 0;
    bool fixSucceeds = false;
};

struct MediaKit {
    MediaKit() : dialog(fake.alarm, nullptr) {
        sound.open();
        fake.alarm.SetSound(sound.fileName());
        copy.text = "Can't copy \"a\"; new media?";
        copy.showSkip = copy.showFormat = copy.showMinuteWait = true;
        copy.minuteWaitCaption = "wait 1.50'?";
        copy.minuteWaitBoxCaption = "1.50 minute wait";
        verify.text = "Couldn't ReadBFile e:\\x; try again?";
        verify.showFixSource = true;
    }

    MediaAnswer Ask(const run::MediaQuestion& question, std::function<void(MediaDialog&)> act) {
        QTimer::singleShot(0, [this, act] { act(dialog); });
        return dialog.Ask(question, actions);
    }

    FakeAlarm fake;
    QTemporaryFile sound;
    CountingActions actions;
    MediaDialog dialog;
    run::MediaQuestion copy;
    run::MediaQuestion verify;
};

TEST(MediaDialog, ShowsTheButtonsTheQuestionOffers) {
    MediaKit kit;
    kit.Ask(kit.copy, [](MediaDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Media Dialog");
        // A fixed frame, at least the design's size.
        EXPECT_EQ(d.minimumSize(), d.maximumSize());
        EXPECT_GE(d.width(), 484);
        EXPECT_GE(d.height(), 211);
        EXPECT_FALSE(d.windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_EQ(d.Text()->toPlainText(), "Can't copy \"a\"; new media?");
        for (QPushButton* shown :
             {d.OkButton(), d.CancelButton(), d.FormatButton(), d.MinuteWaitButton(),
              d.SkipButton(), d.ClipButton(), d.NoiseButton()}) {
            EXPECT_TRUE(shown->isVisible()) << shown->text().toStdString();
        }
        EXPECT_FALSE(d.FixSourceButton()->isVisible());
        EXPECT_EQ(d.MinuteWaitButton()->text(), "wait 1.50'?");
        EXPECT_EQ(d.WaitBox()->title(), "1.50 minute wait");
        // Format and the wait share a slot, and both stay usable.
        EXPECT_FALSE(d.FormatButton()->geometry().intersects(d.MinuteWaitButton()->geometry()));
        d.reject();
    });
    kit.Ask(kit.verify, [](MediaDialog& d) {
        EXPECT_TRUE(d.FixSourceButton()->isVisible());
        for (QPushButton* hidden : {d.FormatButton(), d.MinuteWaitButton(), d.SkipButton()}) {
            EXPECT_FALSE(hidden->isVisible()) << hidden->text().toStdString();
        }
        d.reject();
    });
}

TEST(MediaDialog, AnswersByEnterEscapeTheFrameAndSkip) {
    MediaKit kit;
    EXPECT_EQ(kit.Ask(kit.copy, [](MediaDialog& d) { QTest::keyClick(&d, Qt::Key_Return); }),
              MediaAnswer::TryAgain);
    EXPECT_EQ(kit.Ask(kit.copy, [](MediaDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }),
              MediaAnswer::GiveUp);
    EXPECT_EQ(kit.Ask(kit.copy, [](MediaDialog& d) { d.close(); }), MediaAnswer::GiveUp);
    EXPECT_EQ(kit.Ask(kit.copy, [](MediaDialog& d) { d.SkipButton()->click(); }),
              MediaAnswer::Skip);
    EXPECT_FALSE(kit.fake.alarm.Armed());
}

TEST(MediaDialog, ToolsLeaveTheQuestionOpen) {
    MediaKit kit;
    const MediaAnswer answer = kit.Ask(kit.copy, [&kit](MediaDialog& d) {
        QApplication::clipboard()->clear();
        d.ClipButton()->click();
        EXPECT_EQ(QApplication::clipboard()->text(), "Can't copy \"a\"; new media?");
        d.FormatButton()->click();
        QTest::keyClick(&d, Qt::Key_F1);
        EXPECT_EQ(kit.actions.formats, 1);
        EXPECT_EQ(kit.actions.helps, 1);
        EXPECT_TRUE(d.isVisible());
        d.NoiseButton()->click();
        EXPECT_EQ(d.NoiseButton()->text(), "Start &noise");
        EXPECT_FALSE(kit.fake.alarm.Armed());
        d.OkButton()->click();
    });
    EXPECT_EQ(answer, MediaAnswer::TryAgain);

    // Fix source closes the question only when a new place was taken.
    EXPECT_EQ(kit.Ask(kit.verify,
                      [&kit](MediaDialog& d) {
                          d.FixSourceButton()->click();
                          EXPECT_TRUE(d.isVisible());
                          kit.actions.fixSucceeds = true;
                          d.FixSourceButton()->click();
                      }),
              MediaAnswer::SourceFixed);
    EXPECT_EQ(kit.actions.fixes, 2);
}

TEST(MediaDialog, TheMinuteWaitEndsAfterItsTicksOrASecondClick) {
    MediaKit kit;
    kit.Ask(kit.copy, [](MediaDialog& d) {
        d.MinuteWaitButton()->click();
        EXPECT_TRUE(d.Waiting());
        EXPECT_FALSE(d.OkButton()->isVisible());
        EXPECT_FALSE(d.CancelButton()->isVisible());
        EXPECT_TRUE(d.WaitBox()->isVisible());
        EXPECT_EQ(d.MinuteWaitButton()->text(), "stop waiting");
        // Silent while it waits.
        EXPECT_EQ(d.NoiseButton()->text(), "Start &noise");
        // Escape gives no answer while it waits.
        QTest::keyClick(&d, Qt::Key_Escape);
        EXPECT_TRUE(d.isVisible());
        for (int tick = 1; tick < 60; ++tick)
            d.AdvanceWait();
        EXPECT_TRUE(d.Waiting());
        EXPECT_EQ(d.WaitProgress()->value(), 59);
        d.AdvanceWait();
        EXPECT_FALSE(d.Waiting());
        EXPECT_TRUE(d.OkButton()->isVisible());
        EXPECT_FALSE(d.WaitBox()->isVisible());
        EXPECT_EQ(d.MinuteWaitButton()->text(), "wait a minute");
        // The noise calls the operator back when the minute is over.
        EXPECT_EQ(d.NoiseButton()->text(), "Stop &noise");

        // A new wait, ended by a second click.
        d.MinuteWaitButton()->click();
        d.AdvanceWait();
        d.MinuteWaitButton()->click();
        EXPECT_FALSE(d.Waiting());
        EXPECT_TRUE(d.CancelButton()->isVisible());
        d.CancelButton()->click();
    });
}

TEST(MediaDialog, TheFrameEndsTheWaitAsGiveUpAndLeavesTheAlarmSilent) {
    MediaKit kit;
    const MediaAnswer answer = kit.Ask(kit.copy, [](MediaDialog& d) {
        d.MinuteWaitButton()->click();
        d.AdvanceWait();
        d.close();
    });
    EXPECT_EQ(answer, MediaAnswer::GiveUp);
    EXPECT_FALSE(kit.dialog.Waiting());
    EXPECT_FALSE(kit.fake.alarm.Armed());

    // The next question starts afresh.
    kit.Ask(kit.copy, [](MediaDialog& d) {
        EXPECT_TRUE(d.OkButton()->isVisible());
        EXPECT_FALSE(d.WaitBox()->isVisible());
        EXPECT_EQ(d.MinuteWaitButton()->text(), "wait 1.50'?");
        d.reject();
    });
}

TEST(MediaDialog, KeepsADrivesRootOnOneLineAndClipsTheEngineText) {
    MediaKit kit;
    run::MediaQuestion narrow;
    narrow.text = "You might consider inserting some destination media for u:\\ if you expect it.";
    kit.Ask(narrow, [&narrow](MediaDialog& d) {
        // Wrapped at every width, no line ends between the colon and the backslash.
        const QString shown = d.Text()->toPlainText();
        for (int width = 40; width <= 400; width += 7) {
            QTextLayout layout(shown, d.Text()->font());
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(width);
                const QString piece = shown.mid(line.textStart(), line.textLength());
                EXPECT_FALSE(piece.trimmed().endsWith(':')) << width;
            }
            layout.endLayout();
        }
        QApplication::clipboard()->clear();
        d.ClipButton()->click();
        EXPECT_EQ(QApplication::clipboard()->text().toStdString(), narrow.text);
        d.reject();
    });
}

}  // namespace
}  // namespace brenx::gui
