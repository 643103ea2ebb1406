// Current directory, directory creation, free space and name queries.
#include <gtest/gtest.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <climits>

#include "temp_drives.h"

namespace brenx::platform {
namespace {

using testing::TempDrives;

std::string HostCurrentDirectory() {
    char buffer[PATH_MAX];
    return getcwd(buffer, sizeof buffer) ? buffer : "";
}

TEST(PosixDirectories, TheCurrentDirectoryIsKeptByNameNotEntered) {
    TempDrives t;
    PosixFileSystem& fs = t.Fs();
    std::filesystem::create_directories(t.Host("d/work/sub"));
    const std::string processDirectory = HostCurrentDirectory();
    ASSERT_TRUE(fs.SetCurrentDirectory("d:\\work\\sub\\"));
    EXPECT_EQ(HostCurrentDirectory(), processDirectory);
    EXPECT_EQ(fs.CurrentDirectory(), "d:\\work\\sub");

    // Relative names are taken from there.
    auto file = fs.Open("here.txt", Access::Write, Disposition::CreateAlways);
    ASSERT_TRUE(file);
    file.reset();
    EXPECT_TRUE(t.Exists("d/work/sub/here.txt"));
    ASSERT_TRUE(fs.SetCurrentDirectory(".."));
    EXPECT_EQ(fs.CurrentDirectory(), "d:\\work");
    ASSERT_TRUE(fs.SetCurrentDirectory("e:\\"));
    EXPECT_EQ(fs.CurrentDirectory(), "e:\\");

    // Moving the process changes nothing for the layer; a new layer starts
    // in the process's directory, named through the drive table.
    ASSERT_EQ(chdir(t.Host("d/work").c_str()), 0);
    EXPECT_EQ(fs.CurrentDirectory(), "e:\\");
    EXPECT_EQ(PosixFileSystem(t.Map()).CurrentDirectory(), "D:\\work");

    EXPECT_FALSE(fs.SetCurrentDirectory("d:\\work\\missing"));
    EXPECT_EQ(fs.LastError(), HostError::NotFound);
    EXPECT_FALSE(fs.SetCurrentDirectory("d:\\work\\sub\\here.txt"));
    EXPECT_EQ(fs.LastError(), HostError::PathNotFound);
    EXPECT_FALSE(fs.SetCurrentDirectory("q:\\"));
    EXPECT_EQ(fs.LastError(), HostError::NoMedia);
    EXPECT_EQ(HostCurrentDirectory(), t.Host("d/work"));
}

TEST(PosixDirectories, CreateDirectory) {
    TempDrives t;
    PosixFileSystem& fs = t.Fs();
    EXPECT_TRUE(fs.CreateDirectory("d:\\new"));
    EXPECT_TRUE(std::filesystem::is_directory(t.Host("d/new")));
    EXPECT_FALSE(fs.CreateDirectory("d:\\new"));
    EXPECT_EQ(fs.LastError(), HostError::AlreadyExists);
    EXPECT_FALSE(fs.CreateDirectory("d:\\a\\b"));
    EXPECT_EQ(fs.LastError(), HostError::PathNotFound);
    EXPECT_FALSE(fs.CreateDirectory("q:\\x"));
    EXPECT_EQ(fs.LastError(), HostError::NoMedia);

    // A mapped drive whose directory is not there has no media either.
    DriveMap map = t.Map();
    map.SetDrive('m', t.Host("unmounted"));
    PosixFileSystem unmounted(map);
    EXPECT_FALSE(unmounted.CreateDirectory("m:\\x"));
    EXPECT_EQ(unmounted.LastError(), HostError::NoMedia);
    EXPECT_FALSE(unmounted.SetCurrentDirectory("m:\\"));
    EXPECT_EQ(unmounted.LastError(), HostError::NoMedia);
    EXPECT_EQ(unmounted.FreeBytesAvailable("m:\\"), -1);
    EXPECT_FALSE(unmounted.FindFirst("m:\\*", kAttrAnyFile));
    EXPECT_EQ(unmounted.LastError(), HostError::NoMedia);
}

TEST(PosixDirectories, FreeSpaceOfAMappedDirectory) {
    TempDrives t;
    PosixFileSystem& fs = t.Fs();
    struct statvfs info {};
    ASSERT_EQ(statvfs(t.Host("d").c_str(), &info), 0);
    const auto expected = static_cast<std::int64_t>(info.f_bavail * info.f_frsize);
    const std::int64_t free = fs.FreeBytesAvailable("d:\\");
    // Other programs write meanwhile; the figure is the same volume's.
    EXPECT_NEAR(static_cast<double>(free), static_cast<double>(expected), 256.0 * 1024 * 1024);
    if (expected > (std::int64_t{4} << 30)) {
        EXPECT_GT(free, std::int64_t{4} << 30);
    }
    EXPECT_EQ(fs.FreeBytesAvailable("q:\\"), -1);
    EXPECT_EQ(fs.LastError(), HostError::NoMedia);
    EXPECT_EQ(fs.FreeBytesAvailable("d:\\missing\\"), -1);
}

TEST(PosixDirectories, NameQueries) {
    TempDrives t;
    PosixFileSystem& fs = t.Fs();
    t.Write("d/f.txt", "x");
    std::filesystem::create_directories(t.Host("d/dir"));
    EXPECT_TRUE(fs.FileExists("d:\\f.txt"));
    EXPECT_FALSE(fs.FileExists("d:\\dir"));
    EXPECT_FALSE(fs.FileExists("d:\\none"));
    EXPECT_FALSE(fs.FileExists("q:\\f.txt"));

    std::string shortName;
    EXPECT_TRUE(fs.ShortPathName("d:\\f.txt", shortName));
    EXPECT_EQ(shortName, "d:\\f.txt");
    EXPECT_FALSE(fs.ShortPathName("d:\\none", shortName));

    ASSERT_TRUE(fs.SetCurrentDirectory("d:\\dir"));
    std::string full;
    ASSERT_TRUE(fs.FullPathName("..\\x\\.\\y", full));
    EXPECT_EQ(full, "d:\\x\\y");
    ASSERT_TRUE(fs.FullPathName(t.Host("e") + "/z", full));
    EXPECT_EQ(full, "E:\\z");
    // However long, the full name is never cut.
    const std::string longName(400, 'n');
    ASSERT_TRUE(fs.FullPathName(longName + "\\" + longName, full));
    EXPECT_EQ(full, "d:\\dir\\" + longName + "\\" + longName);
    EXPECT_FALSE(fs.FullPathName("", full));

    const std::string program = fs.ProgramPath();
    EXPECT_EQ(program.substr(1, 2), ":\\");
    EXPECT_NE(program.find("test_platform"), std::string::npos);
}

}  // namespace
}  // namespace brenx::platform
