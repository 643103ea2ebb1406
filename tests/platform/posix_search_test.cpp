// Directory searches: filters, dots, links, special files and strange names.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <vector>

#include "platform/file_attributes.h"
#include "platform/file_queries.h"
#include "platform/host_reason.h"
#include "temp_drives.h"
#include "testkit/deep_tree.h"
#include "testkit/unprivileged.h"

namespace brenx::platform {
namespace {

using testing::TempDrives;
using Names = std::vector<std::string>;

std::vector<SearchEntry> List(FileSystem& fs, const std::string& pattern, std::uint32_t filter) {
    std::vector<SearchEntry> entries;
    auto search = fs.FindFirst(pattern, filter);
    SearchEntry entry;
    while (search && search->Next(entry))
        entries.push_back(entry);
    return entries;
}

Names SortedNames(FileSystem& fs, const std::string& pattern, std::uint32_t filter) {
    Names names;
    for (const SearchEntry& entry : List(fs, pattern, filter))
        names.push_back(entry.name);
    std::sort(names.begin(), names.end());
    return names;
}

// Walks a tree the way the engine's walks do: files, then the directories
// the filter returns, never "." or "..". Counts what it met.
int Walk(FileSystem& fs, const std::string& directory, int depth = 0) {
    if (depth > 50) return 1000000;
    int count = 0;
    for (const SearchEntry& entry : List(fs, directory + "*", kAttrDirectory)) {
        if (entry.name == "." || entry.name == "..") continue;
        ++count;
        if (entry.attributes & kAttrDirectory) {
            count += Walk(fs, directory + entry.name + "\\", depth + 1);
        } else {
            auto file = fs.Open(directory + entry.name, Access::Read, Disposition::OpenExisting);
            char buffer[16];
            if (file) file->Read(buffer, sizeof buffer);
        }
    }
    return count;
}

TEST(PosixSearch, FilterAndDotEntries) {
    TempDrives t;
    PosixFileSystem& fs = t.Fs();
    std::filesystem::create_directories(t.Host("d/top/sub"));
    std::filesystem::create_directories(t.Host("d/top/.hiddendir"));
    t.Write("d/top/a.txt", "aa");
    t.Write("d/top/b.dat", "b");
    t.Write("d/top/.secret", "s");
    ASSERT_EQ(chmod(t.Host("d/top/b.dat").c_str(), 0444), 0);

    // Plain files always come, read-only and archive ones too.
    EXPECT_EQ(SortedNames(fs, "d:\\top\\*", 0), (Names{"a.txt", "b.dat"}));
    EXPECT_EQ(SortedNames(fs, "d:\\top\\*", kAttrHidden), (Names{".secret", "a.txt", "b.dat"}));
    EXPECT_EQ(SortedNames(fs, "d:\\top\\*", kAttrDirectory),
              (Names{".", "..", "a.txt", "b.dat", "sub"}));
    EXPECT_EQ(SortedNames(fs, "d:\\top\\*", kAttrAnyFile).size(), 7u);
    EXPECT_EQ(SortedNames(fs, "d:\\top\\*.TXT", kAttrAnyFile), (Names{"a.txt"}));

    // "." and ".." come first, as on Windows, and not at a drive's root.
    const std::vector<SearchEntry> all = List(fs, "d:\\top\\*", kAttrAnyFile);
    ASSERT_GE(all.size(), 2u);
    EXPECT_EQ(all[0].name, ".");
    EXPECT_EQ(all[1].name, "..");
    EXPECT_EQ(all[0].attributes, kAttrDirectory | kAttrArchive);
    EXPECT_EQ(SortedNames(fs, "d:\\*", kAttrAnyFile), (Names{"top"}));

    const std::map<std::string, SearchEntry> byName = [&] {
        std::map<std::string, SearchEntry> m;
        for (const SearchEntry& e : all)
            m[e.name] = e;
        return m;
    }();
    EXPECT_EQ(byName.at("a.txt").sizeLow, 2u);
    EXPECT_EQ(byName.at("a.txt").date, fs.GetFileDate("d:\\top\\a.txt"));
    EXPECT_EQ(byName.at("b.dat").attributes, kAttrReadOnly | kAttrArchive);
    EXPECT_EQ(byName.at("sub").sizeLow, 0u);

    // Nothing found is a failure, as a Windows search reports it.
    EXPECT_FALSE(fs.FindFirst("d:\\top\\*.none", kAttrAnyFile));
    EXPECT_EQ(fs.LastError(), HostError::NotFound);
    EXPECT_FALSE(fs.FindFirst("d:\\nowhere\\*", kAttrAnyFile));
    EXPECT_EQ(fs.LastError(), HostError::PathNotFound);
    EXPECT_FALSE(fs.FindFirst("d:\\top\\", kAttrAnyFile));
    EXPECT_FALSE(fs.FindFirst("q:\\*", kAttrAnyFile));
    EXPECT_EQ(fs.LastError(), HostError::NoMedia);
}

TEST(PosixSearch, EntriesCreatedDuringASearchAreNotListed) {
    TempDrives t;
    PosixFileSystem& fs = t.Fs();
    for (int i = 0; i < 20; ++i)
        t.Write("d/f" + std::to_string(i), "x");
    auto search = fs.FindFirst("d:\\*", 0);
    ASSERT_TRUE(search);
    SearchEntry entry;
    Names seen;
    while (search->Next(entry)) {
        seen.push_back(entry.name);
        t.Write("d/" + entry.name + ".copy", "y");
    }
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(seen.size(), 20u);
    EXPECT_EQ(std::adjacent_find(seen.begin(), seen.end()), seen.end());
}

TEST(PosixSearch, LinksAndSpecialFilesNeverTrapAWalk) {
    TempDrives t;
    PosixFileSystem& fs = t.Fs();
    std::filesystem::create_directories(t.Host("d/tree/inner"));
    t.Write("d/tree/file", "12345");
    t.Write("d/tree/inner/deep", "x");
    ASSERT_EQ(symlink(t.Host("d/tree").c_str(), t.Host("d/tree/inner/loop").c_str()), 0);
    ASSERT_EQ(symlink(t.Host("d/tree/file").c_str(), t.Host("d/tree/filelink").c_str()), 0);
    ASSERT_EQ(symlink(t.Host("d/nothing").c_str(), t.Host("d/tree/dangling").c_str()), 0);
    ASSERT_EQ(mkfifo(t.Host("d/tree/fifo").c_str(), 0644), 0);

    alarm(10);
    // file, filelink, dangling, inner, inner\deep: the loop and the fifo stay out.
    EXPECT_EQ(Walk(fs, "d:\\tree\\"), 5);
    alarm(0);

    std::map<std::string, SearchEntry> byName;
    for (const SearchEntry& e : List(fs, "d:\\tree\\*", kAttrAnyFile))
        byName[e.name] = e;
    EXPECT_EQ(byName.at("filelink").attributes & (kAttrSystem | kAttrDirectory), 0u);
    EXPECT_EQ(byName.at("filelink").sizeLow, 5u);
    EXPECT_EQ(byName.at("fifo").attributes & kAttrSystem, kAttrSystem);
    EXPECT_EQ(byName.at("dangling").attributes & kAttrSystem, 0u);
    std::map<std::string, SearchEntry> inner;
    for (const SearchEntry& e : List(fs, "d:\\tree\\inner\\*", kAttrAnyFile))
        inner[e.name] = e;
    EXPECT_EQ(inner.at("loop").attributes & kAttrSystem, kAttrSystem);
    EXPECT_EQ(SortedNames(fs, "d:\\tree\\inner\\*", kAttrDirectory), (Names{".", "..", "deep"}));
}

TEST(PosixSearch, StrangeNamesAreListedButNeverLeadOut) {
    TempDrives t;
    PosixFileSystem& fs = t.Fs();
    std::filesystem::create_directories(t.Host("d/in/..\\..\\escape"));
    std::filesystem::create_directories(t.Host("d/escape"));
    t.Write("d/escape/victim", "safe");
    t.Write("d/in/a\\b", "backslash");
    t.Write("d/in/tab\there", "control");
    t.Write("d/in/plain", "plain");
    t.Write("d/in/..\\..\\escape\\victim", "inner");

    std::map<std::string, SearchEntry> byName;
    for (const SearchEntry& e : List(fs, "d:\\in\\*", kAttrAnyFile))
        byName[e.name] = e;
    EXPECT_TRUE(byName.at("a\\b").strange);
    EXPECT_TRUE(byName.at("tab\there").strange);
    EXPECT_TRUE(byName.at("..\\..\\escape").strange);
    EXPECT_FALSE(byName.at("plain").strange);

    // Joined to its directory, or to any other, the name is refused.
    const std::string escaping = "..\\..\\escape";
    EXPECT_FALSE(
        fs.Open("d:\\in\\" + escaping + "\\victim", Access::Write, Disposition::CreateAlways));
    EXPECT_EQ(fs.LastError(), HostError::InvalidName);
    EXPECT_FALSE(fs.FindFirst("d:\\in\\" + escaping + "\\*", kAttrAnyFile));
    EXPECT_EQ(fs.LastError(), HostError::InvalidName);
    EXPECT_FALSE(fs.CreateDirectory("e:\\backup\\" + escaping));
    EXPECT_FALSE(fs.DeleteFile("e:\\x\\y\\" + escaping + "\\victim"));
    EXPECT_EQ(t.Read("d/escape/victim"), "safe");
    // Other paths with dots still work.
    EXPECT_TRUE(fs.Open("d:\\in\\..\\escape\\victim", Access::Read, Disposition::OpenExisting));
    // A backslash name without dots stays inside its directory.
    EXPECT_FALSE(fs.Open("d:\\in\\a\\b", Access::Read, Disposition::OpenExisting));
    EXPECT_EQ(fs.LastError(), HostError::PathNotFound);
}

TEST(PosixSearch, SizesBeyondFourGibibytesComeThroughWhole) {
    TempDrives t;
    PosixFileSystem& fs = t.Fs();
    const std::int64_t size = (std::int64_t{5} << 30) + 3;
    const int fd = open(t.Host("d/sparse").c_str(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(ftruncate(fd, size), 0);
    close(fd);
    const std::vector<SearchEntry> entries = List(fs, "d:\\sparse", 0);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].sizeHigh, 1u);
    EXPECT_EQ(entries[0].sizeLow, (1u << 30) + 3u);
    EXPECT_EQ(SearchRecordSize(entries[0]), size);
    EXPECT_EQ(FileSize64(fs, "d:\\sparse"), size);
    auto file = fs.Open("d:\\sparse", Access::Read, Disposition::OpenExisting);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->Size(), size);
    EXPECT_EQ(file->SeekToEnd(), size);
}

// Only an entry that went away is left out; every other entry that cannot be
// looked at is listed with the host's reason and what the listing tells.
TEST(PosixSearch, EntriesThatCannotBeLookedAtAreListedWithTheirReason) {
    TempDrives t;
    PosixFileSystem& fs = t.Fs();
    testkit::DeepTree deep(t.Host("d"), 4000);
    const std::string far(200, 'f');
    const std::string farDirectory(200, 'g');
    ASSERT_TRUE(deep.Write(far, "far"));
    ASSERT_TRUE(deep.Write("near.txt", "near"));
    ASSERT_TRUE(deep.MakeDirectory(farDirectory));
    std::string bottom = "d:";
    for (const std::string& name : deep.Names())
        bottom += "\\" + name;

    std::map<std::string, SearchEntry> byName;
    for (const SearchEntry& e : List(fs, bottom + "\\*", kAttrAnyFile))
        byName[e.name] = e;
    ASSERT_EQ(byName.size(), 5u);  // the dots too
    EXPECT_EQ(byName.at("near.txt").lookError, HostError::None);
    EXPECT_EQ(SearchRecordSize(byName.at("near.txt")), 4);
    EXPECT_EQ(byName.at(far).lookError, HostError::NameTooLong);
    EXPECT_EQ(byName.at(far).attributes & kAttrDirectory, 0u);
    EXPECT_EQ(byName.at(farDirectory).lookError, HostError::NameTooLong);
    EXPECT_EQ(byName.at(farDirectory).attributes & kAttrDirectory, kAttrDirectory);
    // The listing's kind still filters: a search for files leaves the directory out.
    EXPECT_EQ(SortedNames(fs, bottom + "\\*", 0), (Names{far, "near.txt"}));
    SearchEntry again;
    EXPECT_EQ(LookAtEntry(fs, bottom + "\\near.txt", again), HostError::None);
    EXPECT_EQ(again.name, "near.txt");
    EXPECT_EQ(LookAtEntry(fs, bottom + "\\" + far, again), HostError::NameTooLong);
    EXPECT_EQ(LookAtEntry(fs, bottom + "\\gone", again), HostError::NotFound);
    EXPECT_EQ(FileSize64(fs, bottom + "\\near.txt"), 4);
    EXPECT_EQ(FileSize64(fs, bottom + "\\" + far), -1);  // not 0: its size is not known

    // Entries that went away after the search began are simply not listed.
    for (int i = 0; i < 5; ++i)
        t.Write("d/v" + std::to_string(i), "x");
    auto search = fs.FindFirst("d:\\v*", 0);
    ASSERT_TRUE(search);
    SearchEntry first;
    ASSERT_TRUE(search->Next(first));
    for (int i = 0; i < 5; ++i)
        std::remove(t.Host("d/v" + std::to_string(i)).c_str());
    SearchEntry rest;
    EXPECT_FALSE(search->Next(rest)) << rest.name;
    EXPECT_EQ(search->LastError(), HostError::None);
}

// As anyone but root: a directory that can be read but not searched lists
// its names, and each entry says it could not be looked at.
TEST(PosixSearch, ADirectoryReadableButNotSearchableListsEveryEntry) {
    TempDrives t;
    ASSERT_EQ(chmod(t.Root().c_str(), 0755), 0);
    std::filesystem::create_directories(t.Host("d/locked/sub"));
    t.Write("d/locked/inner.txt", "inner");
    ASSERT_EQ(chmod(t.Host("d/locked").c_str(), 0744), 0);
    const std::string listed = testkit::RunUnprivileged([&t] {
        PosixFileSystem fs(t.Map());
        std::string text;
        for (const SearchEntry& e : List(fs, "d:\\locked\\*", kAttrAnyFile)) {
            text += e.name + ":" + HostErrorReason(e.lookError) + ":" +
                    std::to_string(e.attributes & kAttrDirectory) + "\n";
        }
        return text;
    });
    EXPECT_NE(listed.find("inner.txt:access denied:0\n"), std::string::npos) << listed;
    EXPECT_NE(listed.find("sub:access denied:16\n"), std::string::npos) << listed;
}

}  // namespace
}  // namespace brenx::platform
