// Letting go of the media: open files closed and opened again, the current
// directory kept by name, dates that FUSE drivers keep.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "platform/dos_date_time.h"
#include "platform/file_in_memory.h"
#include "platform/posix/host_process_starter.h"
#include "temp_drives.h"
#include "testkit/faulty_file_system.h"
#include "testkit/held_paths.h"

namespace brenx::platform {
namespace {

using testing::TempDrives;

std::string Pattern(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i * 7 % 251);
    return bytes;
}

TEST(MediaRelease, OpenFilesLetGoAndGoOnWhereTheyWere) {
    TempDrives t;
    PosixFileSystem& fs = t.Fs();
    const std::string data = Pattern(200000);
    t.Write("d/big.bin", data);
    auto source = fs.Open("d:\\big.bin", Access::Read, Disposition::OpenExisting);
    auto copy = fs.Open("e:\\copy.bin", Access::ReadWrite, Disposition::CreateAlways);
    auto appended = fs.Open("e:\\log.txt", Access::Append, Disposition::OpenAlways);
    ASSERT_TRUE(source && copy && appended);
    std::string block(65024, '\0');
    ASSERT_EQ(source->Read(block.data(), 65024), 65024);
    ASSERT_EQ(copy->Write(block.data(), 65024), 65024);
    ASSERT_EQ(appended->Write("one\n", 4), 4);
    EXPECT_EQ(testkit::HeldUnder(t.Root()).size(), 3u);

    fs.ReleaseMedia();
    EXPECT_TRUE(testkit::HeldUnder(t.Root()).empty());
    t.Write("e/log.txt", t.Read("e/log.txt"));  // rewritten in place: same file

    std::int64_t n = 0;
    while ((n = source->Read(block.data(), 65024)) > 0) {
        ASSERT_EQ(copy->Write(block.data(), n), n);
        if (n < 65024) break;
    }
    EXPECT_EQ(appended->Write("two\n", 4), 4);
    EXPECT_TRUE(source->Close() && copy->Close() && appended->Close());
    EXPECT_EQ(t.Read("e/copy.bin"), data);
    EXPECT_EQ(t.Read("e/log.txt"), "one\ntwo\n");
}

TEST(MediaRelease, AFileGoneOrReplacedMeanwhileIsNotTouched) {
    TempDrives t;
    PosixFileSystem& fs = t.Fs();
    t.Write("d/a.txt", "first medium");
    t.Write("e/out.txt", "");
    auto source = fs.Open("d:\\a.txt", Access::Read, Disposition::OpenExisting);
    auto out = fs.Open("e:\\out.txt", Access::Write, Disposition::OpenExisting);
    ASSERT_TRUE(source && out);
    fs.ReleaseMedia();
    // Another medium in its place: a file of the same name, another file.
    t.Write("d/other.txt", "second medium");
    ASSERT_EQ(std::rename(t.Host("d/other.txt").c_str(), t.Host("d/a.txt").c_str()), 0);
    std::remove(t.Host("e/out.txt").c_str());
    char buffer[32];
    EXPECT_EQ(source->Read(buffer, sizeof buffer), -1);
    EXPECT_EQ(source->LastError(), HostError::NoMedia);
    EXPECT_EQ(out->Write("x", 1), -1);
    EXPECT_EQ(out->LastError(), HostError::NoMedia);
    EXPECT_FALSE(t.Exists("e/out.txt"));
    EXPECT_TRUE(testkit::HeldUnder(t.Root()).empty());
}

// A file held by one handle cannot be taken by another; let go for a
// question, its handle takes it again, unless someone took it meanwhile.
TEST(MediaRelease, AHeldFileIsTakenAgainWhenItsHandleOpensAgain) {
    TempDrives t;
    PosixFileSystem& fs = t.Fs();
    t.Write("e/copy.tmp", "");
    auto writer = fs.Open("e:\\copy.tmp", Access::ReadWrite, Disposition::OpenExisting);
    auto other = fs.Open("e:\\copy.tmp", Access::Read, Disposition::OpenExisting);
    ASSERT_TRUE(writer && other && writer->HoldExclusively());
    EXPECT_FALSE(other->HoldExclusively());
    EXPECT_EQ(other->LastError(), HostError::SharingViolation);
    fs.ReleaseMedia();
    ASSERT_TRUE(other->HoldExclusively());
    EXPECT_EQ(writer->Write("x", 1), -1);
    EXPECT_EQ(writer->LastError(), HostError::SharingViolation);
    other->Close();
    EXPECT_EQ(writer->Write("x", 1), 1);
}

TEST(MediaRelease, TheFaultWrapperPassesTheReleaseOn) {
    TempDrives t;
    FaultyFileSystem faulty(t.Fs());
    t.Write("d/a.txt", "abc");
    auto file = faulty.Open("d:\\a.txt", Access::Read, Disposition::OpenExisting);
    ASSERT_TRUE(file);
    faulty.ReleaseMedia();
    EXPECT_TRUE(testkit::HeldUnder(t.Root()).empty());
    char buffer[8];
    EXPECT_EQ(file->Read(buffer, sizeof buffer), 3);
}

TEST(MediaRelease, AFileReadWholeHoldsNothingAndRepeatsAFailedRead) {
    TempDrives t;
    const std::string data = Pattern(150000);
    t.Write("e/b.log", data);
    auto copy = ReadWholeFile(t.Fs(), "e:\\b.log");
    ASSERT_TRUE(copy);
    EXPECT_TRUE(testkit::HeldUnder(t.Root()).empty());
    std::string back(data.size() + 10, '\0');
    EXPECT_EQ(copy->Read(back.data(), static_cast<std::int64_t>(back.size())),
              static_cast<std::int64_t>(data.size()));
    EXPECT_EQ(back.substr(0, data.size()), data);
    EXPECT_EQ(copy->Read(back.data(), 1), 0);

    FaultyFileSystem faulty(t.Fs());
    faulty.FailCall(FsCall::Read, 2, HostError::IoError);
    auto cut = ReadWholeFile(faulty, "e:\\b.log");
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->Read(back.data(), static_cast<std::int64_t>(back.size())), 65536);
    EXPECT_EQ(cut->Read(back.data(), 1), -1);
    EXPECT_EQ(cut->LastError(), HostError::IoError);
    EXPECT_FALSE(ReadWholeFile(t.Fs(), "e:\\missing.log"));
    EXPECT_EQ(t.Fs().LastError(), HostError::NotFound);
}

TEST(MediaRelease, DatesCarryTheAccessTimeToo) {
    TempDrives t;
    PosixFileSystem& fs = t.Fs();
    t.Write("e/by-name.txt", "x");
    const DosDateTime date = PackDosDateTime({2001, 2, 3, 4, 5, 6});
    ASSERT_TRUE(fs.SetFileDate("e:\\by-name.txt", date));
    auto handle = fs.Open("e:\\by-handle.txt", Access::Write, Disposition::CreateAlways);
    ASSERT_TRUE(handle && handle->SetDate(date) && handle->Close());
    for (const char* name : {"e/by-name.txt", "e/by-handle.txt"}) {
        struct stat status {};
        ASSERT_EQ(stat(t.Host(name).c_str(), &status), 0);
        EXPECT_EQ(status.st_atim.tv_sec, status.st_mtim.tv_sec) << name;
        EXPECT_EQ(DosDateTimeFromUnix(status.st_mtim.tv_sec), date) << name;
    }
}

TEST(MediaRelease, ProgramsStartInTheCurrentDirectoryThatTheProcessNeverEnters) {
    TempDrives t;
    PosixFileSystem& fs = t.Fs();
    std::filesystem::create_directories(t.Host("d/work"));
    ASSERT_TRUE(fs.SetCurrentDirectory("d:\\work"));
    EXPECT_TRUE(testkit::HeldUnder(t.Root()).empty());
    HostProcessStarter starter(fs);
    HostError error = HostError::None;
    ASSERT_TRUE(starter.Start("/bin/sh -c \"pwd >here.txt\"", error)) << HostErrorText(error);
    for (int i = 0; i < 500 && t.Read("d/work/here.txt").empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(t.Read("d/work/here.txt"), t.Host("d/work") + "\n");

    // A current directory that went away: no program starts (as on Windows).
    ASSERT_TRUE(fs.SetCurrentDirectory("e:\\"));
    std::filesystem::create_directories(t.Host("e/gone"));
    ASSERT_TRUE(fs.SetCurrentDirectory("e:\\gone"));
    std::filesystem::remove(t.Host("e/gone"));
    EXPECT_FALSE(starter.Start("/bin/true", error));
    EXPECT_EQ(error, HostError::NotFound);
}

}  // namespace
}  // namespace brenx::platform
