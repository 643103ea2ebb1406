#include "run/drive_letter_dialog.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/temp_drives.h"

namespace brenx::run {
namespace {

using Mode = DriveLetterDialog::Mode;

TEST(DriveLetterDialog, ArrowsStepTheLetterWithoutWrapping) {
    platform::testing::TempDrives drives;
    DriveLetterDialog dialog(drives.Fs());
    EXPECT_EQ(dialog.Text(), "c");
    EXPECT_EQ(dialog.Caption(), "jigger verify");

    dialog.PresetFor("E:\\data\\a.txt");
    EXPECT_EQ(dialog.Text(), "E");
    EXPECT_EQ(dialog.Caption(), "jiggery verify: \"E:\\data\\a.txt\"");
    EXPECT_EQ(dialog.ChosenRoot(), "E");  // taken as preset, upper case
    dialog.StepDown();
    EXPECT_EQ(dialog.Text(), "d");
    EXPECT_EQ(dialog.ChosenRoot(), "d");

    dialog.PresetFor("z:\\x");
    dialog.StepUp();
    EXPECT_EQ(dialog.Text(), "z");
    dialog.PresetFor("a:\\x");
    dialog.StepDown();
    EXPECT_EQ(dialog.Text(), "a");
    // A network name starts with a character below "a"; one above "z" stays "z".
    dialog.PresetFor("\\\\server\\share\\x");
    dialog.StepUp();
    EXPECT_EQ(dialog.Text(), "a");
    dialog.PresetFor("~x");
    dialog.StepDown();
    EXPECT_EQ(dialog.Text(), "z");
    EXPECT_EQ(dialog.CurrentMode(), Mode::Letter);
    EXPECT_FALSE(dialog.SetText("q:\\"));  // the letter field is read-only
    EXPECT_EQ(dialog.Text(), "z");
}

TEST(DriveLetterDialog, ThisDirSwitchesToTheDirectoryAndPersists) {
    platform::testing::TempDrives drives;
    std::filesystem::create_directories(drives.Host("d/cd"));
    ASSERT_TRUE(drives.Fs().SetCurrentDirectory("d:\\cd"));
    DriveLetterDialog dialog(drives.Fs());
    EXPECT_FALSE(dialog.CheckBoxShown());

    dialog.UseCurrentDirectory();
    EXPECT_EQ(dialog.CurrentMode(), Mode::Directory);
    EXPECT_EQ(dialog.Text(), "d:\\cd\\");
    EXPECT_TRUE(dialog.CheckBoxShown());
    EXPECT_EQ(dialog.ChosenRoot(), "d:\\cd\\");
    dialog.SetIncludeSubdirs(true);
    EXPECT_TRUE(dialog.SetText("e:\\other\\"));
    EXPECT_EQ(dialog.ChosenRoot(), "e:\\other\\");

    // The next question keeps the mode and shows verify's preset letter.
    dialog.PresetFor("C:\\work\\f");
    EXPECT_EQ(dialog.CurrentMode(), Mode::Directory);
    EXPECT_EQ(dialog.Text(), "C");

    // An arrow continues from the path's first character and returns to
    // letter mode; the check box stays shown and ticked.
    dialog.UseCurrentDirectory();
    ASSERT_TRUE(drives.Fs().SetCurrentDirectory("d:\\"));
    dialog.StepUp();
    EXPECT_EQ(dialog.Text(), "e");
    EXPECT_EQ(dialog.CurrentMode(), Mode::Letter);
    EXPECT_TRUE(dialog.CheckBoxShown());
    EXPECT_TRUE(dialog.IncludeSubdirs());

    // At a root the trailing backslash is not doubled.
    dialog.UseCurrentDirectory();
    EXPECT_EQ(dialog.Text(), "d:\\");
}

TEST(DriveLetterDialog, AnEmptyFieldNamesNoPlace) {
    platform::testing::TempDrives drives;
    DriveLetterDialog dialog(drives.Fs());
    dialog.UseCurrentDirectory();
    ASSERT_TRUE(dialog.SetText(""));
    EXPECT_FALSE(dialog.CanAccept());
    EXPECT_EQ(dialog.ChosenRoot(), "");
    dialog.StepUp();
    EXPECT_EQ(dialog.Text(), "a");
    EXPECT_TRUE(dialog.CanAccept());
    dialog.UseCurrentDirectory();
    ASSERT_TRUE(dialog.SetText(""));
    dialog.StepDown();
    EXPECT_EQ(dialog.Text(), "a");
}

}  // namespace
}  // namespace brenx::run
