#include "options/tqmr_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/temp_drives.h"

namespace brenx::options {
namespace {

TEST(TqmrFile, MissingFileGivesDefaultsAndWritingCreatesIt) {
    platform::testing::TempDrives drives;
    TqmrFile file(drives.Fs(), "d:\\size.ini");
    EXPECT_EQ(file.FileName(), "d:\\size.ini");
    EXPECT_EQ(file.ReadInteger("screen", "width", -1), -1);
    EXPECT_EQ(file.ReadString("screen", "name", "none"), "none");
    EXPECT_TRUE(file.ReadBool("screen", "on", true));

    EXPECT_TRUE(file.WriteInteger("screen", "width", 1024));
    EXPECT_TRUE(file.WriteInteger("main", "top", -5));
    EXPECT_TRUE(file.WriteBool("main", "max", true));
    EXPECT_EQ(drives.Read("d/size.ini"), "[screen]\r\nwidth=1024\r\n[main]\r\ntop=-5\r\nmax=1\r\n");
    EXPECT_EQ(file.ReadInteger("MAIN", "Top", 0), -5);

    TqmrFile again(drives.Fs(), "d:\\size.ini");
    EXPECT_EQ(again.ReadInteger("screen", "width", -1), 1024);
    EXPECT_TRUE(again.ReadBool("main", "max", false));
}

TEST(TqmrFile, WritingKeepsTheRestOfAHandEditedFile) {
    platform::testing::TempDrives drives;
    drives.Write("d/size.ini", "; mine\n[main]\n  top = 1\n\n[msg]\nleft=2\n");
    TqmrFile file(drives.Fs(), "d:\\size.ini");
    EXPECT_TRUE(file.WriteInteger("main", "top", 40));
    EXPECT_TRUE(file.WriteInteger("msg", "width", 300));
    EXPECT_EQ(drives.Read("d/size.ini"), "; mine\n[main]\n  top=40\n\n[msg]\nleft=2\nwidth=300\n");

    // What another program writes in between is seen after UpdateFile.
    drives.Write("d/size.ini", "[main]\ntop=7\n");
    EXPECT_EQ(file.ReadInteger("main", "top", 0), 40);
    file.UpdateFile();
    EXPECT_EQ(file.ReadInteger("main", "top", 0), 7);
}

TEST(TqmrFile, UnreadableFileIsNeverWrittenOver) {
    platform::testing::TempDrives drives;
    std::filesystem::create_directories(drives.Host("d/dir.ini"));
    TqmrFile directory(drives.Fs(), "d:\\dir.ini");
    EXPECT_EQ(directory.ReadInteger("a", "b", 9), 9);
    EXPECT_FALSE(directory.WriteInteger("a", "b", 1));

    TqmrFile noMedia(drives.Fs(), "x:\\size.ini");
    EXPECT_EQ(noMedia.ReadInteger("a", "b", 9), 9);
    EXPECT_FALSE(noMedia.WriteInteger("a", "b", 1));
}

}  // namespace
}  // namespace brenx::options
