#include "testkit/kit_file_system.h"

#include <gtest/gtest.h>

#include "temp_drives.h"

namespace brenx::testkit {
namespace {

// Kept to the drives, the kit's file system opens what lies on d: and e:
// only, however it is named, and refuses the rest before the host sees it.
TEST(KitFileSystem, KeptToTheDrivesOpensNothingElse) {
    platform::testing::TempDrives drives;
    drives.Write("d/a.txt", "a");
    drives.Write("e/b.txt", "b");
    drives.Fs().SetCurrentDirectory("d:\\");
    KitFileSystem fs(drives.Fs());
    fs.onlyTheDrives = true;
    using platform::HostError;
    const struct {
        const char* path;
        HostError error;  // None: it opens
    } cases[] = {
        {"d:\\a.txt", HostError::None},
        {"E:\\b.txt", HostError::None},
        {"a.txt", HostError::None},
        {"e:\\..\\..\\b.txt", HostError::None},
        {"d:\\missing", HostError::NotFound},
        {"c:\\a.txt", HostError::AccessDenied},
        {"\\\\host\\share\\a", HostError::AccessDenied},
    };
    for (const auto& c : cases) {
        const auto handle =
            fs.Open(c.path, platform::Access::Read, platform::Disposition::OpenExisting);
        EXPECT_EQ(handle != nullptr, c.error == HostError::None) << c.path;
        if (!handle) {
            EXPECT_EQ(fs.LastError(), c.error) << c.path;
        }
    }
}

}  // namespace
}  // namespace brenx::testkit
