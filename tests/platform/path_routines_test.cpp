// The path routines that work on the file system and the process.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/directory_routines.h"
#include "platform/file_queries.h"
#include "platform/program_directory.h"
#include "platform/start_stamp.h"
#include "support/path_names.h"
#include "temp_drives.h"

namespace brenx::platform {
namespace {

using testing::TempDrives;

std::string HostCurrentDirectory() {
    std::error_code error;
    return std::filesystem::current_path(error).string();
}

#ifdef _WIN32
constexpr char kTestProgram[] = "\\test_platform.exe";
#else
constexpr char kTestProgram[] = "\\test_platform";
#endif

TEST(PathRoutines, DirectoriesTheProgramKnows) {
    TempDrives t;
    auto& fs = t.Fs();
    const std::string program = fs.ProgramPath();
    EXPECT_EQ(ProgramDirectory(fs) + kTestProgram, program);
    EXPECT_EQ(ProgramDirectoryWithBackslash(fs), ProgramDirectory(fs) + "\\");

    ASSERT_TRUE(TryChangeDirectory(fs, "d:\\"));
    EXPECT_EQ(CurrentDirectoryWithBackslash(fs), "d:\\");
    std::filesystem::create_directories(t.Host("d/sub"));
    ASSERT_TRUE(TryChangeDirectory(fs, "d:\\sub\\"));
    EXPECT_EQ(CurrentDirectoryWithBackslash(fs), "d:\\sub\\");

    std::string name = "brenx.ini";
    ResolveInCurrentDirectory(fs, name);
    EXPECT_EQ(name, "d:\\sub\\brenx.ini");
    for (std::string kept : {"x\\a.ini", "c:a.ini", ""}) {
        std::string copy = kept;
        ResolveInCurrentDirectory(fs, copy);
        EXPECT_EQ(copy, kept);
    }
    name = "sounds\\a.wav";
    ResolveInProgramDirectory(fs, name);
    EXPECT_EQ(name, ProgramDirectory(fs) + "\\sounds\\a.wav");
    for (std::string kept : {"\\sound.wav", "C:sound.wav", ""}) {
        std::string copy = kept;
        ResolveInProgramDirectory(fs, copy);
        EXPECT_EQ(copy, kept);
    }
    // The layer keeps the current directory; the process stays where it was.
    const std::string before = HostCurrentDirectory();
    EXPECT_FALSE(TryChangeDirectory(fs, "d:\\nowhere"));
    EXPECT_EQ(CurrentDirectoryWithBackslash(fs), "d:\\sub\\");
    EXPECT_EQ(HostCurrentDirectory(), before);
    EXPECT_TRUE(TryMakeDirectory(fs, "d:\\made"));
    EXPECT_FALSE(TryMakeDirectory(fs, "d:\\made"));
}

TEST(PathRoutines, ForceDirectoryPathWithAndWithoutTheDotRule) {
    TempDrives t;
    auto& fs = t.Fs();
    std::string plain = "e:\\work\\.old\\new";
    ASSERT_TRUE(ForceDirectoryPath(fs, plain, false));
    EXPECT_EQ(plain, "e:\\work\\.old\\new");
    EXPECT_TRUE(std::filesystem::is_directory(t.Host("e/work/.old/new")));

    std::string fixed = "e:\\work\\.old\\new";
    ASSERT_TRUE(ForceDirectoryPath(fs, fixed, true));
    const std::string prefix(support::kDotCrashPrefix);
    EXPECT_EQ(fixed, "e:\\work\\" + prefix + ".old\\new");
    EXPECT_TRUE(
        std::filesystem::is_directory(testing::Utf8Path(t.Host("e/work/" + prefix + ".old/new"))));

    // Everything there already: nothing made, the current directory is the
    // deepest (the layer's: the process is not moved into the medium).
    const std::string before = HostCurrentDirectory();
    std::string again = "e:\\work\\.old\\new\\";
    ASSERT_TRUE(ForceDirectoryPath(fs, again, false));
    EXPECT_EQ(fs.CurrentDirectory(), "e:\\work\\.old\\new");
    EXPECT_EQ(HostCurrentDirectory(), before);

    // Failures leave the path as it was.
    t.Write("e/file", "x");
    std::string blocked = "e:\\file\\sub";
    EXPECT_FALSE(ForceDirectoryPath(fs, blocked, true));
    EXPECT_EQ(blocked, "e:\\file\\sub");
    std::string noMedia = "q:\\dir";
    EXPECT_FALSE(ForceDirectoryPath(fs, noMedia, false));
    std::string deep = "e:";
    for (int i = 0; i < 200; ++i)
        deep += "\\d";
    EXPECT_FALSE(ForceDirectoryPath(fs, deep, false));
    EXPECT_FALSE(t.Exists("e/d"));
}

TEST(PathRoutines, FileQueries) {
    TempDrives t;
    auto& fs = t.Fs();
    t.Write("d/five", "12345");
    std::filesystem::create_directories(t.Host("d/dir"));
    EXPECT_EQ(FileSize64(fs, "d:\\five"), 5);
    EXPECT_EQ(FileSize64(fs, "d:\\dir"), 0);
    EXPECT_EQ(FileSize64(fs, "d:\\missing"), -1);
    EXPECT_EQ(FileSize64(fs, "q:\\x"), -1);
#ifndef _WIN32
    // A host name holding a wildcard character sizes itself, not its
    // neighbours (Windows names cannot hold one).
    t.Write("d/a?c", "exact");
    t.Write("d/abc", "other name");
    EXPECT_EQ(FileSize64(fs, "d:\\a?c"), 5);
#endif
    ASSERT_TRUE(TryChangeDirectory(fs, "d:\\dir"));
    EXPECT_EQ(FileSize64(fs, "..\\five"), 5);

    EXPECT_EQ(ShortPathName(fs, "d:\\five"), "d:\\five");
    EXPECT_EQ(ShortPathName(fs, "d:\\missing"), "d:\\missing");
    std::string name = "..\\five";
    EXPECT_TRUE(FullPathName(fs, name));
    EXPECT_EQ(name, "d:\\five");
    name = "";
    EXPECT_FALSE(FullPathName(fs, name));
    EXPECT_EQ(FreeBytesAvailable(fs, "q:\\"), -1);
    EXPECT_GT(FreeBytesAvailable(fs, "d:\\"), 0);

    const std::string stamp = StartStampNow();
    EXPECT_EQ(stamp.size(), 10u);
    EXPECT_EQ(stamp.find_first_not_of("0123456789"), std::string::npos);
}

}  // namespace
}  // namespace brenx::platform
