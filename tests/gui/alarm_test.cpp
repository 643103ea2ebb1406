#include "gui/alarm.h"

#include <QTemporaryFile>

#include "gui/gui_kit.h"

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

}  // namespace
}  // namespace brenx::gui
