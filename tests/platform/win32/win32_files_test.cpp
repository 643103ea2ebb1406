// The Windows file system over temporary drives: files, handles and names.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/host_reason.h"
#include "platform/temp_drives.h"
#include "platform/win32/windows_api.h"

namespace brenx::platform {
namespace {

using testing::TempDrives;

TEST(Win32Files, CreateWriteSeekReadAndTruncate) {
    TempDrives t;
    auto file = t.Fs().Open("d:\\data.bin", Access::ReadWrite, Disposition::CreateAlways);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->Write("hello world", 11), 11);
    ASSERT_TRUE(file->Seek(6));
    char buffer[32] = {};
    EXPECT_EQ(file->Read(buffer, sizeof buffer), 5);
    EXPECT_EQ(std::string(buffer, 5), "world");
    EXPECT_EQ(file->SeekToEnd(), 11);
    EXPECT_FALSE(file->Seek(-1));
    EXPECT_EQ(file->LastError(), HostError::InvalidArgument);
    ASSERT_TRUE(file->Truncate(5));
    EXPECT_EQ(file->Size(), 5);
    EXPECT_FALSE(file->Truncate(6));
    EXPECT_TRUE(file->Close());
    EXPECT_EQ(file->Read(buffer, 1), -1);
    EXPECT_EQ(t.Read("d/data.bin"), "hello");

    // Appending lands at the end wherever the handle was moved.
    auto log = t.Fs().Open("d:\\data.bin", Access::Append, Disposition::OpenAlways);
    ASSERT_TRUE(log);
    ASSERT_TRUE(log->Seek(0));
    EXPECT_EQ(log->Write("!", 1), 1);
    log->Close();
    EXPECT_EQ(t.Read("d/data.bin"), "hello!");

    // Create-or-truncate empties an existing file, a hidden one too.
    ASSERT_TRUE(
        SetFileAttributesW(testing::Utf8Path(t.Host("d/data.bin")).c_str(), FILE_ATTRIBUTE_HIDDEN));
    EXPECT_TRUE(t.Fs().Open("d:\\data.bin", Access::Write, Disposition::CreateAlways));
    EXPECT_EQ(t.Read("d/data.bin"), "");
}

TEST(Win32Files, FailuresSayWhatTheyAre) {
    TempDrives t;
    t.Write("d/there.txt", "x");
    std::filesystem::create_directories(t.Host("d/dir"));
    const struct {
        const char* path;
        Disposition disposition;
        HostError error;
    } cases[] = {
        {"d:\\missing.txt", Disposition::OpenExisting, HostError::NotFound},
        {"d:\\nowhere\\a.txt", Disposition::OpenExisting, HostError::PathNotFound},
        {"d:\\nowhere\\a.txt", Disposition::CreateAlways, HostError::PathNotFound},
        {"d:\\there.txt", Disposition::CreateNew, HostError::AlreadyExists},
        {"d:\\dir", Disposition::OpenExisting, HostError::AccessDenied},
        {"q:\\a.txt", Disposition::OpenExisting, HostError::NoMedia},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_FALSE(t.Fs().Open(c.path, Access::ReadWrite, c.disposition));
        EXPECT_EQ(t.Fs().LastError(), c.error) << HostErrorReason(t.Fs().LastError());
    }
    EXPECT_EQ(t.Fs().GetAttributes("q:\\"), -1);
    EXPECT_EQ(t.Fs().LastError(), HostError::NoMedia);
    EXPECT_EQ(t.Fs().FreeBytesAvailable("q:\\"), -1);
    EXPECT_GT(t.Fs().FreeBytesAvailable("d:\\there.txt"), 0);
    // A volume that cannot be flushed as one (wine's) leaves it to each
    // file's own flush; a drive with no media still fails.
    EXPECT_TRUE(t.Fs().FlushVolume("d:\\there.txt")) << HostErrorReason(t.Fs().LastError());
    EXPECT_FALSE(t.Fs().FlushVolume("q:\\"));
}

TEST(Win32Files, ReadOnlyFilesResistChange) {
    TempDrives t;
    t.Write("d/ro.txt", "keep");
    ASSERT_TRUE(t.Fs().SetAttributes("d:\\ro.txt", kAttrReadOnly));
    EXPECT_EQ(t.Fs().GetAttributes("d:\\ro.txt") & kAttrReadOnly, kAttrReadOnly);
    EXPECT_FALSE(t.Fs().Open("d:\\ro.txt", Access::Write, Disposition::OpenExisting));
    EXPECT_EQ(t.Fs().LastError(), HostError::AccessDenied);
    EXPECT_FALSE(t.Fs().DeleteFile("d:\\ro.txt"));
    EXPECT_FALSE(t.Fs().DeleteWithoutLinks("d:\\ro.txt"));
    EXPECT_EQ(t.Fs().LastError(), HostError::AccessDenied);
    // Its date can still be set, and reading it is no change.
    EXPECT_TRUE(t.Fs().SetFileDate("d:\\ro.txt", PackDosDateTime({2020, 2, 29, 12, 0, 2})));
    EXPECT_TRUE(t.Fs().Open("d:\\ro.txt", Access::Read, Disposition::OpenExisting));
    ASSERT_TRUE(t.Fs().SetAttributes("d:\\ro.txt", 0));
    EXPECT_TRUE(t.Fs().DeleteFile("d:\\ro.txt"));
    EXPECT_FALSE(t.Exists("d/ro.txt"));
}

TEST(Win32Files, DatesReadBackAsSet) {
    TempDrives t;
    t.Write("d/dated.txt", "x");
    for (const DosDateTime date :
         {PackDosDateTime({1980, 1, 1, 0, 0, 0}), PackDosDateTime({2026, 12, 6, 18, 6, 32}),
          PackDosDateTime({2107, 12, 31, 23, 59, 58})}) {
        ASSERT_TRUE(t.Fs().SetFileDate("d:\\dated.txt", date));
        EXPECT_EQ(t.Fs().GetFileDate("d:\\dated.txt"), date);
        EXPECT_EQ(t.Fs().GetDateWithoutLinks("d:\\dated.txt"), date);
    }
    auto file = t.Fs().Open("d:\\dated.txt", Access::Read, Disposition::OpenExisting);
    ASSERT_TRUE(file);
    const DosDateTime leap = PackDosDateTime({2024, 2, 29, 23, 58, 10});
    ASSERT_TRUE(file->SetDate(leap));
    FileStatus status;
    ASSERT_TRUE(file->GetStatus(status));
    EXPECT_EQ(status.date, leap);
    EXPECT_EQ(status.size, 1);
    const DosDateTime february30 = 46 << 25 | 2 << 21 | 30 << 16;
    EXPECT_FALSE(t.Fs().SetFileDate("d:\\dated.txt", february30));
    EXPECT_EQ(t.Fs().LastError(), HostError::InvalidArgument);
}

TEST(Win32Files, NamesOfEveryKindReachTheFile) {
    TempDrives t;
    std::filesystem::create_directories(t.Host("d/sub"));
    t.Write("d/sub/a.txt", "a");
    ASSERT_TRUE(t.Fs().SetCurrentDirectory("d:\\sub"));
    for (const char* name : {"a.txt", "d:a.txt", "\\sub\\a.txt", "/sub/a.txt", "..\\sub\\.\\a.txt",
                             "D:\\SUB\\A.TXT"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(t.Fs().FileExists(name));
    }
    EXPECT_TRUE(t.Fs().SameEntry("d:\\sub\\a.txt", "a.txt"));
    EXPECT_FALSE(t.Fs().SameEntry("d:\\sub\\a.txt", "d:\\sub"));
    std::string host;
    ASSERT_TRUE(t.Fs().HostPath("a.txt", host));
    EXPECT_EQ(host, t.Host("d/sub/a.txt"));
    // A path beyond the old 260-character limit works like any other.
    std::string deep = "d:\\sub";
    for (int i = 0; i < 30; ++i)
        deep += "\\directory" + std::to_string(i);
    ASSERT_TRUE(t.Fs().MakeDirectoriesWithoutLinks(deep));
    EXPECT_TRUE(t.Fs().Open(deep + "\\far.txt", Access::Write, Disposition::CreateNew));
    EXPECT_TRUE(t.Fs().FileExists(deep + "\\far.txt"));

    // A short name reaches the same file, under the letter it was named by.
    t.Write("d/sub/a rather long name.text", "long");
    std::string shortPath;
    ASSERT_TRUE(t.Fs().ShortPathName("d:\\sub\\a rather long name.text", shortPath));
    EXPECT_TRUE(shortPath.starts_with("d:\\")) << shortPath;
    EXPECT_TRUE(t.Fs().SameEntry(shortPath, "d:\\sub\\a rather long name.text")) << shortPath;
    EXPECT_FALSE(t.Fs().ShortPathName("d:\\sub\\none.txt", shortPath));
    EXPECT_EQ(t.Fs().LastError(), HostError::NotFound);
}

TEST(Win32Files, DroppingCachedPagesKeepsTheHandleAtItsPlace) {
    TempDrives t;
    t.Write("d/read.txt", "abcdef");
    auto file = t.Fs().Open("d:\\read.txt", Access::Read, Disposition::OpenExisting);
    ASSERT_TRUE(file);
    char buffer[8] = {};
    ASSERT_EQ(file->Read(buffer, 2), 2);
    EXPECT_TRUE(file->DropCachedPages());
    EXPECT_EQ(file->Read(buffer + 2, 8), 4);
    EXPECT_EQ(std::string(buffer, 6), "abcdef");
}

TEST(Win32Files, HandlesLetGoAndComeBackOnlyToTheSameFile) {
    TempDrives t;
    t.Write("d/a.txt", "abcdef");
    auto file = t.Fs().Open("d:\\a.txt", Access::Read, Disposition::OpenExisting);
    ASSERT_TRUE(file);
    char buffer[3];
    ASSERT_EQ(file->Read(buffer, 3), 3);
    t.Fs().ReleaseMedia();
    // Nothing holds the file now: it can go and come back.
    std::filesystem::rename(t.Host("d/a.txt"), t.Host("d/b.txt"));
    EXPECT_FALSE(file->IsStillAtItsPath());
    std::filesystem::rename(t.Host("d/b.txt"), t.Host("d/a.txt"));
    EXPECT_TRUE(file->IsStillAtItsPath());
    EXPECT_EQ(file->Read(buffer, 3), 3);
    EXPECT_EQ(std::string(buffer, 3), "def");

    // Another file at the path (made first, so that it cannot take the old
    // one's number).
    t.Fs().ReleaseMedia();
    t.Write("d/other.txt", "another");
    std::filesystem::remove(t.Host("d/a.txt"));
    std::filesystem::rename(t.Host("d/other.txt"), t.Host("d/a.txt"));
    EXPECT_EQ(file->Read(buffer, 3), -1);
    EXPECT_EQ(file->LastError(), HostError::NoMedia);
}

TEST(Win32Files, AHoldKeepsOtherHandlesOut) {
    TempDrives t;
    t.Write("d/held.tmp", "x");
    auto first = t.Fs().Open("d:\\held.tmp", Access::ReadWrite, Disposition::OpenExisting);
    auto second = t.Fs().Open("d:\\held.tmp", Access::ReadWrite, Disposition::OpenExisting);
    ASSERT_TRUE(first && second);
    ASSERT_TRUE(first->HoldExclusively());
    EXPECT_FALSE(second->HoldExclusively());
    EXPECT_EQ(second->LastError(), HostError::SharingViolation);
    // The hold stands in the way of no read or write.
    EXPECT_EQ(second->Write("y", 1), 1);
    first->Close();
    EXPECT_TRUE(second->HoldExclusively());
}

}  // namespace
}  // namespace brenx::platform
