// Searches, attributes and the calls that never follow links, on Windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/temp_drives.h"
#include "platform/win32/held_way.h"
#include "platform/win32/long_path.h"
#include "platform/win32/windows_api.h"

namespace brenx::platform {
namespace {

using testing::TempDrives;

std::vector<std::string> Names(FileSystem& fs, const std::string& pattern, std::uint32_t filter) {
    std::vector<std::string> names;
    auto search = fs.FindFirst(pattern, filter);
    SearchEntry entry;
    while (search && search->Next(entry))
        names.push_back(entry.name);
    std::sort(names.begin(), names.end());
    return names;
}

TEST(Win32Search, ThePatternIsTheProgramsAndTheFilterDecides) {
    TempDrives t;
    for (const char* name : {"d/a.txt", "d/b.TXT", "d/abc", "d/abc.d.txt", "d/sub/x"}) {
        std::filesystem::create_directories(std::filesystem::path(t.Host(name)).parent_path());
        t.Write(name, "1234");
    }
    ASSERT_TRUE(
        SetFileAttributesW(testing::Utf8Path(t.Host("d/abc")).c_str(), FILE_ATTRIBUTE_HIDDEN));
    const struct {
        const char* pattern;
        std::uint32_t filter;
        std::vector<std::string> names;
    } cases[] = {
        {"d:\\*", 0, {"a.txt", "abc.d.txt", "b.TXT"}},
        {"d:\\*", kAttrAnyFile, {"a.txt", "abc", "abc.d.txt", "b.TXT", "sub"}},
        {"d:\\*.txt", kAttrHidden, {"a.txt", "abc.d.txt", "b.TXT"}},
        {"d:\\abc.*", kAttrHidden, {"abc", "abc.d.txt"}},
        {"d:\\*.", kAttrAnyFile, {"abc", "sub"}},
        {"d:\\?.txt", 0, {"a.txt", "b.TXT"}},
        {"d:\\sub\\*", kAttrDirectory, {".", "..", "x"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern);
        EXPECT_EQ(Names(t.Fs(), c.pattern, c.filter), c.names);
    }
    auto search = t.Fs().FindFirst("d:\\a.txt", 0);
    SearchEntry entry;
    ASSERT_TRUE(search && search->Next(entry));
    EXPECT_EQ(SearchRecordSize(entry), 4);
    EXPECT_EQ(entry.date, t.Fs().GetFileDate("d:\\a.txt"));
    EXPECT_FALSE(search->Next(entry));
    EXPECT_EQ(search->LastError(), HostError::None);

    EXPECT_FALSE(t.Fs().FindFirst("d:\\*.none", kAttrAnyFile));
    EXPECT_EQ(t.Fs().LastError(), HostError::NotFound);
    EXPECT_FALSE(t.Fs().FindFirst("d:\\nowhere\\*", kAttrAnyFile));
    EXPECT_EQ(t.Fs().LastError(), HostError::PathNotFound);
    EXPECT_FALSE(t.Fs().FindFirst("e:\\*", kAttrAnyFile));
    EXPECT_EQ(t.Fs().LastError(), HostError::NotFound);
}

TEST(Win32Attributes, OnlyReadOnlyAndArchiveChange) {
    TempDrives t;
    t.Write("d/f.txt", "x");
    const std::wstring host = testing::Utf8Path(t.Host("d/f.txt")).wstring();
    ASSERT_TRUE(SetFileAttributesW(host.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    ASSERT_TRUE(t.Fs().SetAttributesWithoutLinks("d:\\f.txt", kAttrReadOnly | kAttrDirectory));
    const DWORD attributes = GetFileAttributesW(host.c_str());
    EXPECT_EQ(attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY),
              static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(t.Fs().GetAttributes("d:\\f.txt") & (kAttrHidden | kAttrDirectory), kAttrHidden);
    EXPECT_EQ(t.Fs().GetAttributes("d:\\") & kAttrDirectory, kAttrDirectory);
}

TEST(Win32Attributes, TheArchiveBitIsTheHosts) {
    TempDrives t;
    t.Write("d/f.txt", "x");
    ASSERT_TRUE(t.Fs().SetAttributes("d:\\f.txt", 0));
    if (t.Fs().GetAttributes("d:\\f.txt") & kAttrArchive) {
        GTEST_SKIP() << "the host keeps the archive bit set whatever is asked (wine does)";
    }
    auto file = t.Fs().Open("d:\\f.txt", Access::Write, Disposition::OpenExisting);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->Write("y", 1), 1);
    file->Close();
    EXPECT_EQ(t.Fs().GetAttributes("d:\\f.txt") & kAttrArchive, kAttrArchive);
}

TEST(Win32LinkFree, RenamesStayInTheirDirectoryAndSpareWhatCannotGo) {
    TempDrives t;
    std::filesystem::create_directories(t.Host("e/dir"));
    t.Write("e/dir/new.tmp", "new");
    t.Write("e/dir/old.txt", "old");
    t.Write("e/dir/ro.txt", "ro");
    ASSERT_TRUE(t.Fs().SetAttributes("e:\\dir\\ro.txt", kAttrReadOnly));

    EXPECT_FALSE(t.Fs().RenameNewWithoutLinks("e:\\dir\\new.tmp", "e:\\dir\\old.txt"));
    EXPECT_EQ(t.Fs().LastError(), HostError::AlreadyExists);
    EXPECT_EQ(t.Read("e/dir/old.txt"), "old");
    EXPECT_FALSE(t.Fs().RenameWithoutLinks("e:\\dir\\new.tmp", "e:\\dir\\ro.txt"));
    EXPECT_EQ(t.Fs().LastError(), HostError::AccessDenied);
    EXPECT_FALSE(t.Fs().RenameWithoutLinks("e:\\dir\\new.tmp", "e:\\moved.txt"));
    EXPECT_EQ(t.Fs().LastError(), HostError::InvalidArgument);

    ASSERT_TRUE(t.Fs().RenameWithoutLinks("e:\\dir\\new.tmp", "e:\\dir\\old.txt"));
    EXPECT_EQ(t.Read("e/dir/old.txt"), "new");
    ASSERT_TRUE(t.Fs().RenameNewWithoutLinks("e:\\dir\\old.txt", "e:\\dir\\fresh.txt"));
    EXPECT_TRUE(t.Exists("e/dir/fresh.txt"));
    EXPECT_FALSE(t.Exists("e/dir/old.txt"));
    EXPECT_FALSE(t.Fs().DeleteWithoutLinks("e:\\dir"));
    EXPECT_EQ(t.Fs().LastError(), HostError::AccessDenied);
}

TEST(Win32LinkFree, ADirectoryLinkOnTheWayIsRefused) {
    TempDrives t;
    std::filesystem::create_directories(t.Host("d/target"));
    std::error_code error;
    std::filesystem::create_directory_symlink(t.Host("d/target"), t.Host("e/link"), error);
    if (error) GTEST_SKIP() << "the host makes no directory links here: " << error.message();
    if (!(t.Fs().GetAttributes("e:\\link") & kAttrSystem)) {
        GTEST_SKIP() << "the host does not show the link as a reparse point (wine does not)";
    }
    EXPECT_FALSE(
        t.Fs().OpenWithoutLinks("e:\\link\\a.txt", Access::Write, Disposition::CreateAlways));
    EXPECT_EQ(t.Fs().LastError(), HostError::LinkRefused);
    EXPECT_FALSE(t.Fs().MakeDirectoriesWithoutLinks("e:\\link\\sub"));
    EXPECT_EQ(t.Fs().LastError(), HostError::LinkRefused);
    EXPECT_FALSE(t.Exists("d/target/sub"));
    EXPECT_FALSE(t.Exists("d/target/a.txt"));
}

// While a call goes through a directory, nobody can move it away and put
// a link in its place; once the call is done, the directory is free again.
TEST(Win32LinkFree, TheWayIsHeldWhileACallGoesThrough) {
    TempDrives t;
    std::filesystem::create_directories(t.Host("e/dir/sub"));
    const std::wstring dir = LongPathOf(t.Host("e/dir"));
    const std::wstring moved = LongPathOf(t.Host("e/moved"));
    {
        HeldWay way;
        ASSERT_EQ(way.Hold(dir), HostError::None);
        EXPECT_EQ(way.Hold(LongPathOf(t.Host("e/dir/none"))), HostError::PathNotFound);
        EXPECT_FALSE(MoveFileExW(dir.c_str(), moved.c_str(), 0));
        // Another run may hold and list it meanwhile.
        HeldWay other;
        EXPECT_EQ(other.Hold(dir), HostError::None);
        EXPECT_TRUE(t.Fs().MakeDirectoriesWithoutLinks("e:\\dir\\sub\\deeper"));
    }
    EXPECT_TRUE(MoveFileExW(dir.c_str(), moved.c_str(), 0));
}

}  // namespace
}  // namespace brenx::platform
