#include "gui/alarm.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include "gui/gui_kit.h"
#include "gui/message_dialog.h"
#include "gui/qt_sound_player.h"

namespace brenx::gui {
namespace {

using testing::FakeAlarm;

TEST(Alarm, SoundsOnlyWithASoundThatOpens) {
    FakeAlarm fake;
    EXPECT_FALSE(fake.alarm.Sound(true));  // no sound set
    fake.alarm.SetSound("/no/such/alarm.wav");
    EXPECT_FALSE(fake.alarm.Sound(true));
    EXPECT_TRUE(fake.player.opened.empty());

    QTemporaryFile sound;
    ASSERT_TRUE(sound.open());
    fake.alarm.SetSound(sound.fileName());
    fake.player.openSucceeds = false;
    EXPECT_FALSE(fake.alarm.Sound(true));
    EXPECT_FALSE(fake.alarm.Armed());

    fake.player.openSucceeds = true;
    EXPECT_TRUE(fake.alarm.Sound(true));
    EXPECT_TRUE(fake.alarm.Armed());
    EXPECT_EQ(fake.player.opened.back(), sound.fileName());
    // Nothing plays until the first tick.
    EXPECT_EQ(fake.player.plays, 0);
    EXPECT_FALSE(fake.alarm.Sound(false));
    EXPECT_FALSE(fake.alarm.Armed());
    EXPECT_GE(fake.player.closes, 1);
    EXPECT_EQ(fake.beeps, 0);
}

TEST(Alarm, TicksLoopTheSoundAndBeepTwiceOnceItFails) {
    FakeAlarm fake;
    QTemporaryFile sound;
    ASSERT_TRUE(sound.open());
    fake.alarm.SetSound(sound.fileName());
    ASSERT_TRUE(fake.alarm.Sound(true));
    fake.alarm.Tick();
    EXPECT_EQ(fake.player.plays, 1);
    fake.alarm.Tick();  // still playing: left alone
    EXPECT_EQ(fake.player.plays, 1);
    fake.player.playing = false;  // the sound ended: it starts again
    fake.alarm.Tick();
    EXPECT_EQ(fake.player.plays, 2);
    EXPECT_EQ(fake.beeps, 0);

    // A sound that fails to play turns every later tick into two beeps.
    fake.player.playing = false;
    fake.player.playSucceeds = false;
    fake.alarm.Tick();
    EXPECT_EQ(fake.beeps, 0);
    fake.alarm.Tick();
    fake.alarm.Tick();
    EXPECT_EQ(fake.beeps, 4);
    EXPECT_EQ(fake.player.plays, 3);

    // Switched on again, the alarm tries the sound afresh.
    fake.player.playSucceeds = true;
    ASSERT_TRUE(fake.alarm.Sound(true));
    fake.alarm.Tick();
    EXPECT_EQ(fake.player.plays, 4);
    EXPECT_EQ(fake.beeps, 4);
}

// The real player: a file that is no wave never opens (no noise button, no
// sound) and never holds the dialog; a wave without a sound device beeps.
TEST(QtSoundPlayer, ABadFileGivesNoNoiseAndAWaveWithoutADeviceBeeps) {
    QtSoundPlayer player;
    int beeps = 0;
    Alarm alarm(player, [&beeps] { ++beeps; });
    MessageDialog dialog(alarm, nullptr);
    QTemporaryDir dir;
    for (const QByteArray& content : {QByteArray(), QByteArray("Not a sound.\n"),
                                      QByteArray("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\1\0", 22)}) {
        QFile file(dir.filePath("alarm.wav"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
        alarm.SetSound(file.fileName());
        QElapsedTimer clock;
        clock.start();
        QTimer::singleShot(100, &dialog, [&dialog] {
            EXPECT_FALSE(dialog.NoiseButton()->isVisible());
            dialog.OkButton()->click();
        });
        dialog.Show(MessageKind::Error, "The text", true);
        EXPECT_LT(clock.elapsed(), 1000) << content.size() << " bytes";
    }
    EXPECT_EQ(beeps, 0);
    if (!QMediaDevices::defaultAudioOutput().isNull()) GTEST_SKIP() << "a sound output is here";
    alarm.SetSound(BRENX_ALARM_SOUND);
    ASSERT_TRUE(alarm.Sound(true));
    for (int tick = 0; tick < 3; ++tick)
        alarm.Tick();
    EXPECT_EQ(beeps, 4);
}

}  // namespace
}  // namespace brenx::gui
