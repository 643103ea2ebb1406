#include "gui/drive_letter_form.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "platform/temp_drives.h"
#include "run/drive_letter_dialog.h"

namespace brenx::gui {
namespace {

struct FormKit {
    FormKit() : model(drives.Fs()), form(nullptr) {
        drives.Fs().SetCurrentDirectory("d:\\");
        model.PresetFor("E:\\photos\\a.jpg");
    }
    bool Ask(std::function<void(DriveLetterForm&)> act) {
        QTimer::singleShot(0, [this, act] { act(form); });
        return form.Ask(model);
    }
    platform::testing::TempDrives drives;
    run::DriveLetterDialog model;
    DriveLetterForm form;
};

TEST(DriveLetterForm, TheArrowsStepTheLetterWithinAToZ) {
    FormKit kit;
    EXPECT_TRUE(kit.Ask([](DriveLetterForm& f) {
        EXPECT_EQ(f.windowTitle(), "jiggery verify: \"E:\\photos\\a.jpg\"");
        EXPECT_EQ(f.Field()->text(), "E");
        EXPECT_TRUE(f.Field()->isReadOnly());
        EXPECT_FALSE(f.IncludeSubdirs()->isVisible());
        f.DownArrow()->click();
        EXPECT_EQ(f.Field()->text(), "d");
        // The Up and Down keys step it too, wherever the focus is.
        QTest::keyClick(f.OkButton(), Qt::Key_Up);
        EXPECT_EQ(f.Field()->text(), "e");
        QTest::keyClick(f.Field(), Qt::Key_Down);
        QTest::keyClick(f.Field(), Qt::Key_Down);
        EXPECT_EQ(f.Field()->text(), "c");
        QTest::keyClick(&f, Qt::Key_Return);
    }));
    EXPECT_EQ(kit.model.ChosenRoot(), "c");

    kit.Ask([](DriveLetterForm& f) {
        for (int i = 0; i < 30; ++i)
            f.UpArrow()->click();
        EXPECT_EQ(f.Field()->text(), "z");
        for (int i = 0; i < 30; ++i)
            f.DownArrow()->click();
        EXPECT_EQ(f.Field()->text(), "a");
        f.DontButton()->click();
    });
}

TEST(DriveLetterForm, ThisDirTakesAnEditableDirectoryAndKeepsItsModeBetweenOpenings) {
    FormKit kit;
    int letterSize = 0;
    EXPECT_TRUE(kit.Ask([&letterSize](DriveLetterForm& f) {
        letterSize = f.Field()->fontInfo().pixelSize();
        f.ThisDirButton()->click();
        EXPECT_EQ(f.Field()->text(), "d:\\");
        EXPECT_FALSE(f.Field()->isReadOnly());
        EXPECT_LT(f.Field()->fontInfo().pixelSize(), letterSize);
        EXPECT_TRUE(f.IncludeSubdirs()->isVisible());
        f.Field()->selectAll();
        QTest::keyClicks(f.Field(), "d:\\cd\\");
        f.IncludeSubdirs()->click();
        f.OkButton()->click();
    }));
    EXPECT_EQ(kit.model.ChosenRoot(), "d:\\cd\\");
    EXPECT_TRUE(kit.model.IncludeSubdirs());

    // The next opening is still in directory mode, with the check box.
    kit.model.PresetFor("F:\\x.txt");
    EXPECT_FALSE(kit.Ask([](DriveLetterForm& f) {
        EXPECT_FALSE(f.Field()->isReadOnly());
        EXPECT_EQ(f.Field()->text(), "F");
        EXPECT_TRUE(f.IncludeSubdirs()->isVisible());
        EXPECT_TRUE(f.IncludeSubdirs()->isChecked());
        // An emptied field names no place: Ok leaves the dialog open.
        f.Field()->selectAll();
        QTest::keyClick(f.Field(), Qt::Key_Delete);
        f.OkButton()->click();
        EXPECT_TRUE(f.isVisible());
        // An arrow returns to letter mode.
        f.UpArrow()->click();
        EXPECT_TRUE(f.Field()->isReadOnly());
        QTest::keyClick(&f, Qt::Key_Escape);
    }));
}

}  // namespace
}  // namespace brenx::gui
