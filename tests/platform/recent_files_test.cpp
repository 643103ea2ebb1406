#include "platform/recent_files.h"

#include <gtest/gtest.h>
#include <linux/magic.h>

#include <string>

#include "platform/posix/volume_kinds.h"

namespace brenx::platform {
namespace {

TEST(RecentFiles, KeepsTheLatestPathsAndWhatIsKnownOfTheirRecords) {
    RecentFiles recent;
    recent.Remember("/a");
    EXPECT_TRUE(recent.Contains("/a"));
    EXPECT_FALSE(recent.RecordGone("/a"));
    recent.SetRecordGone("/a");
    recent.Remember("/a");  // seen again: still known to have none
    EXPECT_TRUE(recent.RecordGone("/a"));
    recent.SetRecordPossible("/a");
    EXPECT_FALSE(recent.RecordGone("/a"));

    // The oldest path falls out once the list is full.
    recent.SetRecordGone("/b");
    for (std::size_t i = 0; i < RecentFiles::kCapacity - 1; ++i) {
        recent.Remember("/n" + std::to_string(i));
    }
    EXPECT_TRUE(recent.Contains("/b"));
    EXPECT_FALSE(recent.Contains("/a"));
    recent.Remember("/last");
    EXPECT_FALSE(recent.Contains("/b"));
    EXPECT_FALSE(recent.RecordGone("/b"));
    recent.Forget("/last");
    EXPECT_FALSE(recent.Contains("/last"));
}

TEST(VolumeKinds, TellKernelFileSystemsAndThoseThatIgnoreNonblocking) {
    EXPECT_TRUE(KindOfFileSystemType(PROC_SUPER_MAGIC).kernel);
    EXPECT_FALSE(KindOfFileSystemType(PROC_SUPER_MAGIC).nonblockingHarmless);
    EXPECT_FALSE(KindOfFileSystemType(TMPFS_MAGIC).kernel);
    EXPECT_TRUE(KindOfFileSystemType(TMPFS_MAGIC).nonblockingHarmless);
    EXPECT_TRUE(KindOfFileSystemType(EXT4_SUPER_MAGIC).nonblockingHarmless);
    EXPECT_FALSE(KindOfFileSystemType(NFS_SUPER_MAGIC).nonblockingHarmless);
    EXPECT_FALSE(KindOfFileSystemType(FUSE_SUPER_MAGIC).kernel);

    // A directory's kind, remembered for the next file made there.
    VolumeKinds kinds;
    VolumeKind kind;
    ASSERT_TRUE(kinds.OfDirectory("/proc/self", kind));
    EXPECT_TRUE(kind.kernel);
    ASSERT_TRUE(kinds.OfDirectory("/proc/self", kind));
    EXPECT_TRUE(kind.kernel);
    ASSERT_TRUE(kinds.OfDirectory("/", kind));
    EXPECT_FALSE(kind.kernel);
    kinds.ForgetDirectories();
    EXPECT_FALSE(kinds.OfDirectory("/no/such/brenx/directory", kind));
    EXPECT_FALSE(kinds.OfDirectory("", kind));
}

}  // namespace
}  // namespace brenx::platform
