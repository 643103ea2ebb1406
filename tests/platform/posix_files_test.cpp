// Opening, reading, writing and deleting files through the emulation.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>

#include "platform/posix/errno_error.h"
#include "support/text_file.h"
#include "temp_drives.h"
#include "testkit/faulty_file_system.h"

namespace brenx::platform {
namespace {

using testing::TempDrives;

// Ends the test program if a call blocks, instead of hanging the suite.
class Watchdog {
  public:
    Watchdog() { alarm(10); }
    ~Watchdog() { alarm(0); }
};

TEST(PosixFiles, CreateWriteSeekAndReadBack) {
    TempDrives t;
    auto file = t.Fs().Open("d:\\data.bin", Access::ReadWrite, Disposition::CreateAlways);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->Write("hello world", 11), 11);
    EXPECT_EQ(file->Position(), 11);
    EXPECT_EQ(file->Size(), 11);
    ASSERT_TRUE(file->Seek(6));
    char buffer[32] = {};
    EXPECT_EQ(file->Read(buffer, sizeof buffer), 5);
    EXPECT_EQ(std::string(buffer, 5), "world");
    EXPECT_EQ(file->Read(buffer, sizeof buffer), 0);
    EXPECT_EQ(file->SeekToEnd(), 11);
    EXPECT_FALSE(file->Seek(-1));
    EXPECT_EQ(file->LastError(), HostError::InvalidArgument);
    EXPECT_TRUE(file->Flush());
    EXPECT_TRUE(file->Close());
    EXPECT_EQ(file->Read(buffer, 1), -1);
    EXPECT_EQ(t.Read("d/data.bin"), "hello world");

    // Create-or-truncate empties an existing file; open-always keeps it.
    t.Write("d/keep.txt", "kept");
    EXPECT_TRUE(t.Fs().Open("d:\\keep.txt", Access::Write, Disposition::OpenAlways));
    EXPECT_EQ(t.Read("d/keep.txt"), "kept");
    EXPECT_TRUE(t.Fs().Open("d:\\keep.txt", Access::Write, Disposition::CreateAlways));
    EXPECT_EQ(t.Read("d/keep.txt"), "");
}

TEST(PosixFiles, ReadsFillTheBufferAcrossLargeFiles) {
    TempDrives t;
    const std::string content(200000, 'x');
    t.Write("d/big", content);
    auto file = t.Fs().Open("d:\\big", Access::Read, Disposition::OpenExisting);
    ASSERT_TRUE(file);
    std::string buffer(65024, '\0');
    std::int64_t total = 0;
    std::int64_t n = 0;
    int fullBlocks = 0;
    while ((n = file->Read(buffer.data(), 65024)) == 65024) {
        total += n;
        ++fullBlocks;
    }
    total += n;
    EXPECT_EQ(fullBlocks, 3);
    EXPECT_EQ(total, 200000);
}

TEST(PosixFiles, FailuresKeepTheHostReason) {
    TempDrives t;
    PosixFileSystem& fs = t.Fs();
    EXPECT_FALSE(fs.Open("d:\\missing", Access::Read, Disposition::OpenExisting));
    EXPECT_EQ(fs.LastError(), HostError::NotFound);
    EXPECT_FALSE(fs.Open("d:\\no\\such\\dir\\f", Access::Write, Disposition::CreateAlways));
    EXPECT_EQ(fs.LastError(), HostError::PathNotFound);
    EXPECT_FALSE(fs.Open("q:\\f", Access::Read, Disposition::OpenExisting));
    EXPECT_EQ(fs.LastError(), HostError::NoMedia);
    t.Write("d/there", "x");
    EXPECT_FALSE(fs.Open("d:\\there", Access::Write, Disposition::CreateNew));
    EXPECT_EQ(fs.LastError(), HostError::AlreadyExists);
    EXPECT_FALSE(fs.Open("d:\\there\\below", Access::Read, Disposition::OpenExisting));
    EXPECT_EQ(fs.LastError(), HostError::PathNotFound);
    EXPECT_TRUE(fs.Open("d:\\there", Access::Read, Disposition::OpenExisting));
    EXPECT_EQ(fs.LastError(), HostError::None);

    EXPECT_EQ(HostErrorFromErrno(ENOSPC), HostError::NoSpace);
    EXPECT_EQ(HostErrorFromErrno(EDQUOT), HostError::NoSpace);
    EXPECT_EQ(HostErrorFromErrno(EIO), HostError::IoError);
    EXPECT_EQ(HostErrorFromErrno(EACCES), HostError::AccessDenied);
    EXPECT_EQ(HostErrorFromErrno(EROFS), HostError::WriteProtected);
    EXPECT_EQ(HostErrorFromErrno(EFBIG), HostError::FileTooLarge);
    EXPECT_EQ(HostErrorFromErrno(ENOMEDIUM), HostError::NoMedia);
    // What a USB stick gives: a vanished device (or its FUSE daemon gone),
    // a damaged file system, names it refuses.
    EXPECT_EQ(HostErrorFromErrno(ENOTCONN), HostError::NoMedia);
    EXPECT_EQ(HostErrorFromErrno(ECONNABORTED), HostError::NoMedia);
    EXPECT_EQ(HostErrorFromErrno(ESHUTDOWN), HostError::NoMedia);
    EXPECT_EQ(HostErrorFromErrno(ENODEV), HostError::NoMedia);
    EXPECT_EQ(HostErrorFromErrno(EUCLEAN), HostError::IoError);
    EXPECT_EQ(HostErrorFromErrno(EILSEQ), HostError::InvalidName);
    EXPECT_EQ(HostErrorFromErrno(ENAMETOOLONG), HostError::NameTooLong);
    EXPECT_EQ(HostErrorFromErrno(ELOOP), HostError::LinkLoop);
}

TEST(PosixFiles, ALinkLoopAndANameTooLongSayWhatTheyAre) {
    TempDrives t;
    PosixFileSystem& fs = t.Fs();
    std::filesystem::create_symlink("loop", t.Host("d/loop"));
    EXPECT_FALSE(fs.Open("d:\\loop", Access::Read, Disposition::OpenExisting));
    EXPECT_EQ(fs.LastError(), HostError::LinkLoop);
    EXPECT_FALSE(fs.Open("d:\\loop", Access::Write, Disposition::CreateAlways));
    EXPECT_EQ(fs.LastError(), HostError::LinkLoop);
    const std::string tooLong = "d:\\" + std::string(300, 'n');
    EXPECT_FALSE(fs.Open(tooLong, Access::Write, Disposition::CreateAlways));
    EXPECT_EQ(fs.LastError(), HostError::NameTooLong);
    EXPECT_FALSE(fs.CreateDirectory(tooLong));
    EXPECT_EQ(fs.LastError(), HostError::NameTooLong);
}

TEST(PosixFiles, NeverOpensDirectoriesOrSpecialFiles) {
    TempDrives t;
    Watchdog watchdog;
    PosixFileSystem& fs = t.Fs();
    ASSERT_EQ(mkfifo(t.Host("d/fifo").c_str(), 0644), 0);
    for (Access access : {Access::Read, Access::Write, Access::ReadWrite}) {
        EXPECT_FALSE(fs.Open("d:\\fifo", access, Disposition::OpenExisting));
        EXPECT_EQ(fs.LastError(), HostError::AccessDenied);
    }
    EXPECT_FALSE(fs.Open("d:\\fifo", Access::Write, Disposition::CreateAlways));
    EXPECT_FALSE(fs.Open("c:\\dev\\null", Access::Read, Disposition::OpenExisting));
    EXPECT_EQ(fs.LastError(), HostError::AccessDenied);
    EXPECT_FALSE(fs.Open("d:\\", Access::Read, Disposition::OpenExisting));
    EXPECT_EQ(fs.LastError(), HostError::AccessDenied);
    // Reading the kernel's message file would wait for ever.
    EXPECT_FALSE(fs.Open("c:\\proc\\kmsg", Access::Read, Disposition::OpenExisting));
    EXPECT_FALSE(fs.Open("c:\\proc\\self\\status", Access::Read, Disposition::OpenExisting));
    EXPECT_EQ(fs.LastError(), HostError::AccessDenied);
    // A dangling link is neither read nor followed to create its target.
    ASSERT_EQ(symlink(t.Host("d/target").c_str(), t.Host("d/dangling").c_str()), 0);
    EXPECT_FALSE(fs.Open("d:\\dangling", Access::Read, Disposition::OpenExisting));
    EXPECT_EQ(fs.LastError(), HostError::NotFound);
    EXPECT_FALSE(fs.Open("d:\\dangling", Access::Write, Disposition::CreateAlways));
    EXPECT_FALSE(t.Exists("d/target"));
}

TEST(PosixFiles, APathListedAMomentAgoIsStillCheckedOnItsDescriptor) {
    TempDrives t;
    Watchdog watchdog;
    PosixFileSystem& fs = t.Fs();
    t.Write("d/swapped", "x");
    t.Write("d/locked", "keep");
    auto search = fs.FindFirst("d:\\*", 0);
    SearchEntry entry;
    while (search && search->Next(entry)) {
    }
    // Swapped for a fifo after the listing: refused, without blocking.
    ASSERT_EQ(unlink(t.Host("d/swapped").c_str()), 0);
    ASSERT_EQ(mkfifo(t.Host("d/swapped").c_str(), 0644), 0);
    EXPECT_FALSE(fs.Open("d:\\swapped", Access::Read, Disposition::OpenExisting));
    EXPECT_EQ(fs.LastError(), HostError::AccessDenied);
    // Made read-only after the listing: not opened for writing.
    ASSERT_EQ(chmod(t.Host("d/locked").c_str(), 0444), 0);
    EXPECT_FALSE(fs.Open("d:\\locked", Access::Write, Disposition::OpenAlways));
    EXPECT_EQ(fs.LastError(), HostError::AccessDenied);
    EXPECT_FALSE(fs.Open("d:\\locked", Access::Write, Disposition::CreateAlways));
    EXPECT_EQ(t.Read("d/locked"), "keep");
    // Gone after the listing: not found.
    ASSERT_EQ(unlink(t.Host("d/swapped").c_str()), 0);
    EXPECT_FALSE(fs.Open("d:\\swapped", Access::Read, Disposition::OpenExisting));
    EXPECT_EQ(fs.LastError(), HostError::NotFound);
}

TEST(PosixFiles, CreatingANewFileNeverTouchesAnOldOne) {
    TempDrives t;
    PosixFileSystem& fs = t.Fs();
    auto fresh = fs.Open("d:\\new", Access::ReadWrite, Disposition::CreateAlways);
    ASSERT_TRUE(fresh);
    ASSERT_EQ(fresh->Write("new", 3), 3);
    ASSERT_TRUE(fresh->Close());
    // The same name again replaces it; a missing directory is told apart.
    auto again = fs.Open("d:\\new", Access::ReadWrite, Disposition::CreateAlways);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->Size(), 0);
    ASSERT_TRUE(again->Close());
    EXPECT_FALSE(fs.Open("d:\\none\\x", Access::Write, Disposition::CreateAlways));
    EXPECT_EQ(fs.LastError(), HostError::PathNotFound);
    EXPECT_FALSE(fs.Open("q:\\x", Access::Write, Disposition::CreateAlways));
    EXPECT_EQ(fs.LastError(), HostError::NoMedia);
    // A read that ends at the length the file had when opened is the end.
    t.Write("d/five", "12345");
    auto reader = fs.Open("d:\\five", Access::Read, Disposition::OpenExisting);
    ASSERT_TRUE(reader);
    char buffer[16];
    EXPECT_EQ(reader->Read(buffer, 16), 5);
    EXPECT_EQ(reader->Read(buffer, 16), 0);
}

TEST(PosixFiles, EveryWayOfNamingAFileReachesIt) {
    TempDrives t;
    PosixFileSystem& fs = t.Fs();
    std::filesystem::create_directories(t.Host("d/sub"));
    t.Write("d/sub/f.txt", "found");
    std::string onC = "c:" + t.Host("d/sub/f.txt");
    std::replace(onC.begin(), onC.end(), '/', '\\');
    for (const std::string& name :
         {std::string("d:\\sub\\f.txt"), std::string("D:\\sub\\f.txt"), std::string("d:/sub/f.txt"),
          std::string("d:\\sub\\\\f.txt"), std::string("d:\\sub\\.\\f.txt"),
          std::string("d:\\x\\..\\sub\\f.txt"), std::string("d:\\..\\sub\\f.txt"), onC}) {
        auto file = fs.Open(name, Access::Read, Disposition::OpenExisting);
        ASSERT_TRUE(file) << name;
        char buffer[8];
        EXPECT_EQ(file->Read(buffer, 8), 5) << name;
    }
    // A trailing separator names a directory, as on Windows.
    EXPECT_FALSE(fs.Open("d:\\sub\\f.txt\\", Access::Read, Disposition::OpenExisting));
    EXPECT_EQ(fs.LastError(), HostError::PathNotFound);
    EXPECT_FALSE(fs.Open("d:\\sub\\f.txt\\", Access::Write, Disposition::CreateAlways));
    EXPECT_FALSE(
        fs.Open(std::string("d:\\sub\\f.txt\0x", 14), Access::Read, Disposition::OpenExisting));
    EXPECT_EQ(fs.LastError(), HostError::InvalidName);
    // A letter without media, named plainly or not.
    EXPECT_FALSE(fs.Open("q:\\sub\\f.txt", Access::Read, Disposition::OpenExisting));
    EXPECT_EQ(fs.LastError(), HostError::NoMedia);
    EXPECT_FALSE(fs.Open("q:\\sub\\..\\f.txt", Access::Read, Disposition::OpenExisting));
    EXPECT_EQ(fs.LastError(), HostError::NoMedia);
    EXPECT_FALSE(fs.Open("d:\\none\\f.txt", Access::Read, Disposition::OpenExisting));
    EXPECT_EQ(fs.LastError(), HostError::PathNotFound);
}

TEST(PosixFiles, NewFilesNeedNoLookButNeverLandOnAKernelFileSystem) {
    TempDrives t;
    PosixFileSystem& fs = t.Fs();
    // Refused before anything is made there.
    EXPECT_FALSE(fs.Open("c:\\proc\\brenx-new", Access::Write, Disposition::CreateAlways));
    EXPECT_EQ(fs.LastError(), HostError::AccessDenied);
    // Files made one after another in one directory, and in the next.
    for (const char* name : {"d:\\one", "d:\\two", "e:\\three"}) {
        auto made = fs.Open(name, Access::ReadWrite, Disposition::CreateAlways);
        ASSERT_TRUE(made) << name;
        EXPECT_EQ(made->Size(), 0);
        EXPECT_EQ(made->SeekToEnd(), 0);
        EXPECT_EQ(made->Write("abc", 3), 3);
        ASSERT_TRUE(made->Seek(0));
        char buffer[8];
        EXPECT_EQ(made->Read(buffer, 8), 3);
        ASSERT_TRUE(made->Close());
    }
    EXPECT_EQ(t.Read("e/three"), "abc");
    // The directory that a file is made in is told by its own path.
    EXPECT_FALSE(fs.Open("c:\\proc\\self\\brenx", Access::Write, Disposition::CreateAlways));
    EXPECT_EQ(fs.LastError(), HostError::AccessDenied);
    EXPECT_TRUE(fs.Open("d:\\four", Access::Write, Disposition::CreateAlways));
}

TEST(PosixFiles, AppendingAfterSeekToEndKeepsEveryPositionRight) {
    TempDrives t;
    PosixFileSystem& fs = t.Fs();
    t.Write("d/log", "one\r\n");
    auto file = fs.Open("d:\\log", Access::ReadWrite, Disposition::OpenAlways);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->SeekToEnd(), 5);
    EXPECT_EQ(file->Write("two\r\n", 5), 5);
    EXPECT_EQ(file->Position(), 10);
    EXPECT_EQ(file->Write("3", 1), 1);
    ASSERT_TRUE(file->Seek(3));
    char buffer[16] = {};
    EXPECT_EQ(file->Read(buffer, 16), 8);
    EXPECT_EQ(std::string(buffer, 8), "\r\ntwo\r\n3");
    EXPECT_EQ(file->SeekToEnd(), 11);
    EXPECT_EQ(file->Write("4", 1), 1);
    ASSERT_TRUE(file->Close());
    EXPECT_EQ(t.Read("d/log"), "one\r\ntwo\r\n34");
}

TEST(PosixFiles, ReadOnlyFilesResistChange) {
    TempDrives t;
    PosixFileSystem& fs = t.Fs();
    t.Write("d/ro.txt", "keep me");
    ASSERT_TRUE(fs.SetAttributes("d:\\ro.txt", kAttrReadOnly | kAttrArchive));
    struct stat status {};
    ASSERT_EQ(stat(t.Host("d/ro.txt").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH), 0u);
    EXPECT_EQ(fs.GetAttributes("d:\\ro.txt") & kAttrReadOnly, kAttrReadOnly);

    EXPECT_TRUE(fs.Open("d:\\ro.txt", Access::Read, Disposition::OpenExisting));
    EXPECT_FALSE(fs.Open("d:\\ro.txt", Access::ReadWrite, Disposition::OpenExisting));
    EXPECT_EQ(fs.LastError(), HostError::AccessDenied);
    EXPECT_FALSE(fs.Open("d:\\ro.txt", Access::Write, Disposition::CreateAlways));
    EXPECT_FALSE(fs.DeleteFile("d:\\ro.txt"));
    EXPECT_EQ(fs.LastError(), HostError::AccessDenied);
    EXPECT_EQ(t.Read("d/ro.txt"), "keep me");

    ASSERT_TRUE(fs.SetAttributes("d:\\ro.txt", kAttrArchive));
    EXPECT_EQ(fs.GetAttributes("d:\\ro.txt") & kAttrReadOnly, 0);
    EXPECT_TRUE(fs.DeleteFile("d:\\ro.txt"));
    EXPECT_FALSE(t.Exists("d/ro.txt"));
    EXPECT_FALSE(fs.DeleteFile("d:\\ro.txt"));
    EXPECT_EQ(fs.LastError(), HostError::NotFound);
    EXPECT_FALSE(fs.DeleteFile("d:\\"));
    EXPECT_EQ(fs.LastError(), HostError::AccessDenied);
}

TEST(PosixFiles, FlushAndDropCachedPages) {
    TempDrives t;
    auto file = t.Fs().Open("d:\\f", Access::Write, Disposition::CreateAlways);
    ASSERT_TRUE(file);
    ASSERT_EQ(file->Write("abc", 3), 3);
    ASSERT_TRUE(file->Close());
    EXPECT_TRUE(t.Fs().FlushVolume("d:\\"));
    EXPECT_TRUE(t.Fs().FlushVolume("d:\\f"));
    EXPECT_FALSE(t.Fs().FlushVolume("q:\\"));
    EXPECT_EQ(t.Fs().LastError(), HostError::NoMedia);
    auto reader = t.Fs().Open("d:\\f", Access::Read, Disposition::OpenExisting);
    ASSERT_TRUE(reader);
    EXPECT_TRUE(reader->DropCachedPages());
    char buffer[4];
    EXPECT_EQ(reader->Read(buffer, 4), 3);
}

TEST(PosixFiles, TruncateTakesBackTheEndOfAFile) {
    TempDrives t;
    auto file = t.Fs().Open("d:\\f", Access::ReadWrite, Disposition::CreateAlways);
    ASSERT_TRUE(file);
    ASSERT_EQ(file->Write("whole\r\nhal", 10), 10);
    EXPECT_TRUE(file->Truncate(7));
    EXPECT_EQ(file->Size(), 7);
    // Never longer than it is, never negative.
    EXPECT_FALSE(file->Truncate(8));
    EXPECT_EQ(file->LastError(), HostError::InvalidArgument);
    EXPECT_FALSE(file->Truncate(-1));
    ASSERT_TRUE(file->Close());
    EXPECT_EQ(t.Read("d/f"), "whole\r\n");
    EXPECT_FALSE(file->Truncate(0));

    FaultyFileSystem faulty(t.Fs());
    faulty.FailCall(FsCall::Truncate, 1, HostError::IoError);
    auto again = faulty.Open("d:\\f", Access::ReadWrite, Disposition::OpenExisting);
    ASSERT_TRUE(again);
    EXPECT_FALSE(again->Truncate(0));
    EXPECT_EQ(again->LastError(), HostError::IoError);
    EXPECT_TRUE(again->Truncate(0));
    EXPECT_EQ(faulty.Calls(FsCall::Truncate), 2);
}

TEST(PosixFiles, TextFileRoutinesWorkOnHandles) {
    TempDrives t;
    auto log = t.Fs().Open("d:\\log.txt", Access::Write, Disposition::OpenAlways);
    ASSERT_TRUE(log);
    ASSERT_GE(log->SeekToEnd(), 0);
    EXPECT_EQ(support::WriteFormatted(*log, "|%s|%x\r\n", {"d:\\a", 255}), 10);
    ASSERT_TRUE(log->Close());
    auto reader = t.Fs().Open("d:\\log.txt", Access::Read, Disposition::OpenExisting);
    ASSERT_TRUE(reader);
    std::string line;
    EXPECT_TRUE(support::ReadTextLine(*reader, line));
    EXPECT_EQ(line, "|d:\\a|FF");
    EXPECT_FALSE(support::ReadTextLine(*reader, line));
}

TEST(PosixFiles, SameEntrySeesOneFileUnderTwoDriveLetters) {
    TempDrives drives;
    drives.Write("d/a.txt", "alpha");
    drives.Write("d/b.txt", "alpha");
    DriveMap map = drives.Map();
    map.SetDrive('f', drives.Host("d"));  // f: is d: under another letter
    PosixFileSystem fs(map);
    EXPECT_TRUE(fs.SameEntry("d:\\a.txt", "f:\\a.txt"));
    EXPECT_TRUE(fs.SameEntry("d:\\", "f:\\"));
    EXPECT_FALSE(fs.SameEntry("d:\\a.txt", "d:\\b.txt"));  // equal content, two files
    EXPECT_FALSE(fs.SameEntry("d:\\a.txt", "e:\\a.txt"));
    EXPECT_EQ(fs.LastError(), HostError::NotFound);
}

}  // namespace
}  // namespace brenx::platform
