// Attributes, the archive bit and dates through the emulation.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <map>
#include <set>

#include "platform/file_attributes.h"
#include "temp_drives.h"
#include "testkit/faulty_file_system.h"

namespace brenx::platform {
namespace {

using testing::TempDrives;

bool HasArchive(FileSystem& fs, const std::string& path) {
    return (fs.GetAttributes(path) & kAttrArchive) != 0;
}

bool Clear(FileSystem& fs, const std::string& path) {
    const std::int64_t attributes = fs.GetAttributes(path);
    return attributes >= 0 &&
           fs.SetAttributes(path, static_cast<std::uint32_t>(attributes) & ~kAttrArchive);
}

// The names a search of d:\src\* with the archive bit set finds.
std::set<std::string> ArchiveMarked(FileSystem& fs) {
    std::set<std::string> names;
    auto search = fs.FindFirst("d:\\src\\*", 0);
    SearchEntry entry;
    while (search && search->Next(entry)) {
        if (entry.attributes & kAttrArchive) names.insert(entry.name);
    }
    return names;
}

TEST(PosixAttributes, KindsOfEntries) {
    TempDrives t;
    PosixFileSystem& fs = t.Fs();
    t.Write("d/plain.txt", "x");
    t.Write("d/.hidden", "x");
    std::filesystem::create_directory(t.Host("d/dir"));
    EXPECT_EQ(fs.GetAttributes("d:\\plain.txt"), kAttrArchive);
    EXPECT_EQ(fs.GetAttributes("d:\\.hidden"), kAttrArchive | kAttrHidden);
    EXPECT_EQ(fs.GetAttributes("d:\\dir") & (kAttrDirectory | kAttrSystem), kAttrDirectory);
    EXPECT_EQ(fs.GetAttributes("d:\\") & kAttrDirectory, kAttrDirectory);
    EXPECT_EQ(fs.GetAttributes("c:\\dev\\null") & kAttrSystem, kAttrSystem);
    EXPECT_EQ(fs.GetAttributes("c:\\proc") & kAttrSystem, kAttrSystem);
    EXPECT_EQ(fs.GetAttributes("d:\\missing"), -1);
    EXPECT_EQ(fs.LastError(), HostError::NotFound);
    EXPECT_EQ(fs.GetAttributes("d:\\missing\\x"), -1);
    EXPECT_EQ(fs.LastError(), HostError::PathNotFound);
}

TEST(PosixAttributes, ArchiveBitFollowsChanges) {
    TempDrives t;
    PosixFileSystem& fs = t.Fs();
    t.Write("d/f.txt", "one");
    EXPECT_TRUE(HasArchive(fs, "d:\\f.txt"));
    ASSERT_TRUE(Clear(fs, "d:\\f.txt"));
    EXPECT_FALSE(HasArchive(fs, "d:\\f.txt"));

    // A change by another program sets it again.
    t.Write("d/f.txt", "two!");
    EXPECT_TRUE(HasArchive(fs, "d:\\f.txt"));
    ASSERT_TRUE(Clear(fs, "d:\\f.txt"));

    // A new date is no change of contents.
    ASSERT_TRUE(fs.SetFileDate("d:\\f.txt", PackDosDateTime({2020, 3, 4, 5, 6, 8})));
    EXPECT_FALSE(HasArchive(fs, "d:\\f.txt"));

    // Writing through this layer sets it, even when the old date is put back.
    const DosDateTime date = fs.GetFileDate("d:\\f.txt");
    auto file = fs.Open("d:\\f.txt", Access::Write, Disposition::OpenExisting);
    ASSERT_TRUE(file);
    ASSERT_EQ(file->Write("TWO!", 4), 4);
    ASSERT_TRUE(file->Close());
    ASSERT_TRUE(fs.SetFileDate("d:\\f.txt", date));
    EXPECT_TRUE(HasArchive(fs, "d:\\f.txt"));
    // And again after the next clearing: what this layer knows of the
    // record does not outlive a clearing.
    ASSERT_TRUE(Clear(fs, "d:\\f.txt"));
    const DosDateTime cleared = fs.GetFileDate("d:\\f.txt");
    auto rewrite = fs.Open("d:\\f.txt", Access::Write, Disposition::OpenExisting);
    ASSERT_TRUE(rewrite);
    ASSERT_EQ(rewrite->Write("two!", 4), 4);
    ASSERT_TRUE(rewrite->Close());
    ASSERT_TRUE(fs.SetFileDate("d:\\f.txt", cleared));
    EXPECT_TRUE(HasArchive(fs, "d:\\f.txt"));

    // Clearing keeps the read-only bit, and both read back.
    ASSERT_TRUE(fs.SetAttributes("d:\\f.txt", kAttrReadOnly));
    EXPECT_EQ(fs.GetAttributes("d:\\f.txt"), kAttrReadOnly);
    ASSERT_TRUE(fs.SetAttributes("d:\\f.txt", kAttrReadOnly | kAttrArchive));
    EXPECT_EQ(fs.GetAttributes("d:\\f.txt"), kAttrReadOnly | kAttrArchive);
}

TEST(PosixAttributes, ArchiveBitGivesAnIncrementalBackup) {
    TempDrives t;
    PosixFileSystem& fs = t.Fs();
    std::filesystem::create_directory(t.Host("d/src"));
    for (const char* name : {"a", "b", "c"})
        t.Write(std::string("d/src/") + name, name);
    EXPECT_EQ(ArchiveMarked(fs), (std::set<std::string>{"a", "b", "c"}));
    for (const std::string& name : ArchiveMarked(fs))
        ASSERT_TRUE(Clear(fs, "d:\\src\\" + name));
    EXPECT_TRUE(ArchiveMarked(fs).empty());
    t.Write("d/src/b", "changed");
    t.Write("d/src/new", "new");
    EXPECT_EQ(ArchiveMarked(fs), (std::set<std::string>{"b", "new"}));
}

std::map<std::string, SearchEntry> Listed(std::unique_ptr<DirectorySearch> search) {
    std::map<std::string, SearchEntry> entries;
    SearchEntry entry;
    while (search && search->Next(entry))
        entries[entry.name] = entry;
    return entries;
}

TEST(PosixAttributes, ASearchWithoutArchiveSaysItLeftTheBitOut) {
    TempDrives t;
    PosixFileSystem& fs = t.Fs();
    std::filesystem::create_directories(t.Host("d/src/sub"));
    t.Write("d/src/kept", "k");
    t.Write("d/src/changed", "changed");
    ASSERT_TRUE(Clear(fs, "d:\\src\\kept"));
    const auto full = Listed(fs.FindFirst("d:\\src\\*", kAttrAnyFile));
    const auto lean = Listed(fs.FindFirstWithoutArchive("d:\\src\\*", kAttrAnyFile));
    ASSERT_EQ(lean.size(), 5u);  // ".", "..", sub, kept, changed
    ASSERT_EQ(full.size(), lean.size());
    for (const auto& [name, entry] : lean) {
        const SearchEntry& whole = full.at(name);
        EXPECT_TRUE(whole.archiveKnown);
        EXPECT_FALSE(entry.archiveKnown) << name;
        EXPECT_EQ(entry.attributes, whole.attributes & ~kAttrArchive) << name;
        EXPECT_EQ(entry.date, whole.date);
        EXPECT_EQ(SearchRecordSize(entry), SearchRecordSize(whole));
    }
    EXPECT_EQ(full.at("kept").attributes & kAttrArchive, 0u);
    EXPECT_EQ(full.at("changed").attributes & kAttrArchive, kAttrArchive);
    // Leaving the bit out changed nothing: it still reads right afterwards.
    EXPECT_EQ(ArchiveMarked(fs), (std::set<std::string>{"changed"}));
    EXPECT_EQ(fs.GetAttributes("d:\\src\\kept"), 0);

    FaultyFileSystem faulty(fs);
    EXPECT_EQ(Listed(faulty.FindFirstWithoutArchive("d:\\src\\*", 0)).size(), 2u);
    EXPECT_EQ(faulty.Calls(FsCall::FindFirst), 1);
    faulty.FailCall(FsCall::FindFirst, 2, HostError::IoError);
    EXPECT_FALSE(faulty.FindFirstWithoutArchive("d:\\src\\*", 0));
    EXPECT_EQ(faulty.LastError(), HostError::IoError);
}

TEST(PosixAttributes, DatingThroughAHandleKeepsTheArchiveBit) {
    TempDrives t;
    PosixFileSystem& fs = t.Fs();
    const DosDateTime date = PackDosDateTime({2019, 5, 6, 7, 8, 10});
    const DosDateTime later = PackDosDateTime({2019, 5, 6, 7, 8, 12});
    auto made = fs.Open("d:\\new", Access::ReadWrite, Disposition::CreateAlways);
    ASSERT_TRUE(made);
    ASSERT_EQ(made->Write("new", 3), 3);
    ASSERT_TRUE(made->SetDate(date));
    EXPECT_TRUE(HasArchive(fs, "d:\\new"));
    // Cleared while the handle is open: the layer no longer knows the file
    // to have no record, so the next date keeps it clear.
    ASSERT_TRUE(Clear(fs, "d:\\new"));
    ASSERT_TRUE(made->SetDate(later));
    ASSERT_TRUE(made->Close());
    EXPECT_FALSE(HasArchive(fs, "d:\\new"));
    EXPECT_EQ(fs.GetFileDate("d:\\new"), later);

    auto reader = fs.Open("d:\\new", Access::Read, Disposition::OpenExisting);
    ASSERT_TRUE(reader);
    ASSERT_TRUE(reader->SetDate(date));
    ASSERT_TRUE(reader->Close());
    EXPECT_FALSE(HasArchive(fs, "d:\\new"));
    EXPECT_EQ(fs.GetFileDate("d:\\new"), date);

    // Made anew over the cleared file: changed, and dating it keeps it so.
    auto again = fs.Open("d:\\new", Access::ReadWrite, Disposition::CreateAlways);
    ASSERT_TRUE(again);
    ASSERT_EQ(again->Write("NEW", 3), 3);
    ASSERT_TRUE(again->SetDate(date));
    ASSERT_TRUE(again->Close());
    EXPECT_TRUE(HasArchive(fs, "d:\\new"));
    EXPECT_EQ(fs.GetFileDate("d:\\new"), date);
}

TEST(PosixAttributes, DatesReadBackAsSet) {
    TempDrives t;
    PosixFileSystem& fs = t.Fs();
    t.Write("d/f", "x");
    const DosDateTime date = PackDosDateTime({2021, 11, 30, 23, 59, 58});
    ASSERT_TRUE(fs.SetFileDate("d:\\f", date));
    EXPECT_EQ(fs.GetFileDate("d:\\f"), date);
    struct stat status {};
    ASSERT_EQ(stat(t.Host("d/f").c_str(), &status), 0);
    EXPECT_EQ(status.st_mtim.tv_nsec, 0);

    auto file = fs.Open("d:\\f", Access::ReadWrite, Disposition::OpenExisting);
    ASSERT_TRUE(file);
    const DosDateTime other = PackDosDateTime({1999, 1, 2, 3, 4, 6});
    ASSERT_TRUE(file->SetDate(other));
    EXPECT_EQ(file->GetDate(), other);
    EXPECT_FALSE(file->SetDate(kNoDosDateTime));
    EXPECT_EQ(file->LastError(), HostError::InvalidArgument);
    ASSERT_TRUE(file->Close());
    EXPECT_EQ(fs.GetFileDate("d:\\f"), other);

    EXPECT_FALSE(fs.SetFileDate("d:\\f", PackDosDateTime({2021, 2, 30, 0, 0, 0})));
    EXPECT_EQ(fs.LastError(), HostError::InvalidArgument);
    EXPECT_EQ(fs.GetFileDate("d:\\none"), kNoDosDateTime);
    EXPECT_EQ(fs.LastError(), HostError::NotFound);
}

TEST(PosixAttributes, CopiesWithinOneSecondCompareStably) {
    TempDrives t;
    PosixFileSystem& fs = t.Fs();
    t.Write("d/src", "data");
    // An odd second with a fraction: the source's own date is taken down to
    // the even second, and a copy given that date compares as the same age.
    const struct timespec times[2] = {{0, UTIME_OMIT}, {1700000001, 987654321}};
    ASSERT_EQ(utimensat(AT_FDCWD, t.Host("d/src").c_str(), times, 0), 0);
    t.Write("e/copy", "data");
    const DosDateTime source = fs.GetFileDate("d:\\src");
    ASSERT_TRUE(fs.SetFileDate("e:\\copy", source));
    const DosDateTime copy = fs.GetFileDate("e:\\copy");
    EXPECT_EQ(copy, source);
    EXPECT_FALSE(copy < source);  // "newer only" sees nothing to copy again
    EXPECT_EQ(fs.GetFileDate("d:\\src"), source);
}

}  // namespace
}  // namespace brenx::platform
