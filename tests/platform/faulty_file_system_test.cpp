#include "testkit/faulty_file_system.h"

#include <gtest/gtest.h>

#include "temp_drives.h"

namespace brenx::platform {
namespace {

using testing::TempDrives;

// A copy the way the engine makes one: open, create, blocks, close, date;
// anything that fails ends it, and the unfinished copy is deleted.
bool CopyFile(FileSystem& fs, const std::string& from, const std::string& to) {
    auto source = fs.Open(from, Access::Read, Disposition::OpenExisting);
    if (!source) return false;
    auto target = fs.Open(to, Access::ReadWrite, Disposition::CreateAlways);
    bool ok = target != nullptr;
    char buffer[4096];
    while (ok) {
        const std::int64_t n = source->Read(buffer, sizeof buffer);
        if (n < 0) ok = false;
        if (n <= 0) break;
        if (target->Write(buffer, n) != n) ok = false;
    }
    if (target && !target->Close()) ok = false;
    source->Close();
    if (ok) ok = fs.SetFileDate(to, fs.GetFileDate(from));
    if (!ok) fs.DeleteFile(to);
    return ok;
}

TEST(FaultyFileSystem, FailsTheChosenCallOnceOrFromThenOn) {
    TempDrives t;
    t.Write("d/f", "data");
    FaultyFileSystem faulty(t.Fs());
    faulty.FailCall(FsCall::Open, 2, HostError::AccessDenied);
    faulty.FailCall(FsCall::GetDate, 2, HostError::IoError, true);
    EXPECT_TRUE(faulty.Open("d:\\f", Access::Read, Disposition::OpenExisting));
    EXPECT_FALSE(faulty.Open("d:\\f", Access::Read, Disposition::OpenExisting));
    EXPECT_EQ(faulty.LastError(), HostError::AccessDenied);
    EXPECT_TRUE(faulty.Open("d:\\f", Access::Read, Disposition::OpenExisting));
    EXPECT_EQ(faulty.LastError(), HostError::None);

    EXPECT_NE(faulty.GetFileDate("d:\\f"), kNoDosDateTime);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(faulty.GetFileDate("d:\\f"), kNoDosDateTime);
        EXPECT_EQ(faulty.LastError(), HostError::IoError);
    }
    // The inner file system's own failures come through with their reason.
    EXPECT_FALSE(faulty.Open("d:\\none", Access::Read, Disposition::OpenExisting));
    EXPECT_EQ(faulty.LastError(), HostError::NotFound);

    EXPECT_EQ(faulty.Calls(FsCall::Open), 4);
    EXPECT_EQ(faulty.Calls(FsCall::GetDate), 4);
    EXPECT_EQ(faulty.FaultsFired(), 4);
    faulty.ClearFaults();
    EXPECT_NE(faulty.GetFileDate("d:\\f"), kNoDosDateTime);
    faulty.ResetCounts();
    EXPECT_EQ(faulty.TotalCalls(), 0);
    EXPECT_EQ(faulty.FaultsFired(), 0);
}

TEST(FaultyFileSystem, HandlesSearchesAndShortWrites) {
    TempDrives t;
    FaultyFileSystem faulty(t.Fs());
    faulty.ShortenWrite(2, 3);
    faulty.FailCall(FsCall::Close, 1, HostError::IoError);
    auto file = faulty.Open("d:\\out", Access::ReadWrite, Disposition::CreateAlways);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->Write("first ", 6), 6);
    EXPECT_EQ(file->Write("second", 6), 3);
    EXPECT_EQ(file->LastError(), HostError::NoSpace);
    EXPECT_FALSE(file->Close());
    EXPECT_EQ(file->LastError(), HostError::IoError);
    EXPECT_EQ(t.Read("d/out"), "first sec");
    // The failed close still released the file.
    char byte;
    EXPECT_EQ(file->Read(&byte, 1), -1);

    t.Write("d/a", "a");
    t.Write("d/b", "b");
    faulty.FailCall(FsCall::FindNext, 2, HostError::IoError);
    auto search = faulty.FindFirst("d:\\*", 0);
    ASSERT_TRUE(search);
    SearchEntry entry;
    EXPECT_TRUE(search->Next(entry));
    EXPECT_FALSE(search->Next(entry));
    EXPECT_EQ(search->LastError(), HostError::IoError);
    faulty.FailCall(FsCall::FindFirst, 2, HostError::PathNotFound);
    EXPECT_FALSE(faulty.FindFirst("d:\\*", 0));
    EXPECT_EQ(faulty.LastError(), HostError::PathNotFound);
    EXPECT_EQ(faulty.FaultsFired(), 4);
}

TEST(FaultyFileSystem, SweepsACopyWithAFaultAtEveryCall) {
    TempDrives t;
    const std::string content(10000, 'c');
    t.Write("d/src", content);
    FaultyFileSystem counter(t.Fs());
    ASSERT_TRUE(CopyFile(counter, "d:\\src", "e:\\dst"));
    ASSERT_EQ(t.Read("e/dst"), content);
    int runs = 0;
    int failures = 0;
    for (std::size_t kind = 0; kind < kFsCallKinds; ++kind) {
        const auto call = static_cast<FsCall>(kind);
        for (int n = 1; n <= counter.Calls(call); ++n) {
            std::filesystem::remove(t.Host("e/dst"));
            FaultyFileSystem faulty(t.Fs());
            faulty.FailCall(call, n, HostError::IoError);
            const bool copied = CopyFile(faulty, "d:\\src", "e:\\dst");
            ++runs;
            failures += copied ? 0 : 1;
            EXPECT_EQ(faulty.FaultsFired(), 1) << kind << " " << n;
            // A copy reported good is whole; one reported failed is gone,
            // unless the fault hit the delete that removes it.
            if (copied) {
                EXPECT_EQ(t.Read("e/dst"), content) << kind << " " << n;
            } else if (call != FsCall::Delete) {
                EXPECT_FALSE(t.Exists("e/dst")) << kind << " " << n;
            }
        }
    }
    EXPECT_EQ(runs, counter.TotalCalls());
    // Only the source's close may fail without harm to the copy.
    EXPECT_EQ(failures, runs - 1);
}

}  // namespace
}  // namespace brenx::platform
