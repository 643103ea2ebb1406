#include "jobs/read_file.h"

#ifndef _WIN32
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/mman.h>
#include <sys/vfs.h>
#include <unistd.h>
#endif

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "jobs/jobs_world.h"

namespace brenx::jobs {
namespace {

using testing::CrcOf;
using testing::JobsWorld;
using testing::Pattern;

TEST(ReadBFile, ReadsTheFileToItsEndWithItsCrc) {
    JobsWorld world;
    const std::string content = Pattern(1200000);
    world.Put("e/big.bin", content);
    const ReadOutcome big = ReadBFile(world.run, "e:\\big.bin");
    EXPECT_EQ(big.result, ReadResult::Done);
    EXPECT_EQ(big.crc, CrcOf(content));
    EXPECT_EQ(big.crcBytes, 1200000);
    EXPECT_EQ(world.run.counters.fileSize, 1200000);
    EXPECT_EQ(world.run.counters.fileBytesRead, 1200000);
    // Progress shows once past the first million bytes, after every block.
    const auto progress = world.board.History(run::BoardText::FreeSpace);
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back(), "1,200,000/1,200,000");
    EXPECT_NE(std::find(progress.begin(), progress.end(), "1,040,384/1,200,000"), progress.end());
    EXPECT_EQ(std::find(progress.begin(), progress.end(), "975,360/1,200,000"), progress.end());
    EXPECT_EQ(world.fs.Calls(platform::FsCall::DropCachedPages), 1);

    // A file of whole blocks ends at the empty read after them.
    const std::string blocks = Pattern(65024 * 2, 9);
    world.Put("e/blocks.bin", blocks);
    EXPECT_EQ(ReadBFile(world.run, "e:\\blocks.bin").crc, CrcOf(blocks));

    // Without crc the bytes are read but not summed.
    world.Settings().crc = false;
    const ReadOutcome unsummed = ReadBFile(world.run, "e:\\blocks.bin");
    EXPECT_EQ(unsummed.result, ReadResult::Done);
    EXPECT_EQ(unsummed.crcBytes, 0);
    EXPECT_EQ(world.run.counters.fileBytesRead, 65024 * 2);
}

TEST(ReadBFile, TellsAFileThatCannotBeOpenedFromOneThatFailsToRead) {
    JobsWorld world;
    EXPECT_EQ(ReadBFile(world.run, "e:\\none.bin").result, ReadResult::CannotOpen);

    world.Put("e/big.bin", Pattern(200000));
    world.fs.FailCall(platform::FsCall::Read, 2, platform::HostError::IoError);
    EXPECT_EQ(ReadBFile(world.run, "e:\\big.bin").result, ReadResult::ReadFailed);
    EXPECT_EQ(world.run.counters.fileBytesRead, 65024);
    // The handle was closed all the same.
    EXPECT_EQ(world.fs.Calls(platform::FsCall::Close), 1);

    // The size of a file is asked once it shows progress; a host that
    // cannot tell it fails the read.
    world.Put("e/huge.bin", Pattern(1100000));
    world.fs.ClearFaults();
    world.fs.ResetCounts();
    world.fs.FailCall(platform::FsCall::Size, 1, platform::HostError::IoError);
    EXPECT_EQ(ReadBFile(world.run, "e:\\big.bin").result, ReadResult::Done);
    EXPECT_EQ(world.run.counters.fileSize, 200000);
    EXPECT_EQ(world.fs.Calls(platform::FsCall::Size), 0);
    EXPECT_EQ(ReadBFile(world.run, "e:\\huge.bin").result, ReadResult::ReadFailed);

    // A host that cannot drop the cached pages still reads them.
    world.fs.FailCall(platform::FsCall::DropCachedPages, 1, platform::HostError::NotSupported,
                      true);
    EXPECT_EQ(ReadBFile(world.run, "e:\\big.bin").crc, CrcOf(Pattern(200000)));
}

TEST(ReadBFile, NodataOpensAndSizesOnly) {
    JobsWorld world;
    world.Put("e/a.bin", Pattern(1000));
    world.Settings().nodata = true;
    const ReadOutcome sized = ReadBFile(world.run, "e:\\a.bin");
    EXPECT_EQ(sized.result, ReadResult::Done);
    EXPECT_EQ(world.fs.Calls(platform::FsCall::Read), 0);
    EXPECT_EQ(world.fs.Calls(platform::FsCall::DropCachedPages), 0);
    EXPECT_EQ(world.run.counters.fileSize, 1000);
    EXPECT_EQ(sized.crc, 0u);
    EXPECT_EQ(sized.crcBytes, 0);
}

TEST(ReadBFile, ShowsTheFreeSpaceAFewTimesASecondNotPerFile) {
    JobsWorld world;
    world.Settings().destination = "e:\\dst\\";
    world.Put("e/a.bin", "a");
    for (int i = 0; i < 5; ++i)
        ReadBFile(world.run, "e:\\a.bin");
    EXPECT_EQ(world.fs.freeSpaceAsked.size(), 1u);
    world.ticks.Advance(499);
    ReadBFile(world.run, "e:\\a.bin");
    EXPECT_EQ(world.fs.freeSpaceAsked.size(), 1u);
    world.ticks.Advance(1);
    ReadBFile(world.run, "e:\\a.bin");
    EXPECT_EQ(world.fs.freeSpaceAsked.size(), 2u);
    EXPECT_EQ(world.board.Text(run::BoardText::FreeSpace).rfind("drive e:\\ has ", 0), 0u);
}

TEST(ReadBFile, StopsWhenTheOperatorGivesUp) {
    JobsWorld world;
    world.Put("e/big.bin", Pattern(200000));
    world.op.PressStop();
    world.op.ExpectConfirm("Give up now?", true);
    EXPECT_EQ(ReadBFile(world.run, "e:\\big.bin").result, ReadResult::Stopped);
    EXPECT_EQ(world.run.counters.fileBytesRead, 0);
}

// Windows shows no test of which pages of a file it keeps cached.
#ifndef _WIN32
// The pages of the host file that are in memory.
std::size_t ResidentPages(const std::string& hostPath) {
    const int fd = ::open(hostPath.c_str(), O_RDONLY);
    if (fd < 0) return 0;
    const off_t size = ::lseek(fd, 0, SEEK_END);
    void* map = ::mmap(nullptr, static_cast<std::size_t>(size), PROT_READ, MAP_SHARED, fd, 0);
    ::close(fd);
    if (map == MAP_FAILED) return 0;
    const long page = ::sysconf(_SC_PAGESIZE);
    std::vector<unsigned char> in((static_cast<std::size_t>(size) + page - 1) / page);
    std::size_t resident = 0;
    if (::mincore(map, static_cast<std::size_t>(size), in.data()) == 0) {
        for (unsigned char flag : in)
            resident += flag & 1;
    }
    ::munmap(map, static_cast<std::size_t>(size));
    return resident;
}

TEST(ReadBFile, ReadsFromTheMediumNotFromTheCache) {
    JobsWorld world;
    struct statfs where {};
    if (::statfs(world.drives.Root().c_str(), &where) == 0 && where.f_type == TMPFS_MAGIC) {
        GTEST_SKIP() << "the temporary directory lives in memory";
    }
    const std::string content = Pattern(4 << 20);
    world.Put("e/cached.bin", content);
    const std::string host = world.drives.Host("e/cached.bin");
    // Just written: every page is in the cache.
    ASSERT_GT(ResidentPages(host), 0u);

    std::vector<std::size_t> residentAtRead;
    world.fs.beforeRead = [&](const std::string& path) {
        if (path == "e:\\cached.bin") residentAtRead.push_back(ResidentPages(host));
    };
    EXPECT_EQ(ReadBFile(world.run, "e:\\cached.bin").crc, CrcOf(content));
    ASSERT_EQ(residentAtRead.size(), 1u);
    EXPECT_EQ(residentAtRead[0], 0u);
}
#endif

}  // namespace
}  // namespace brenx::jobs
