// Removable drive letters: which letters are, and that one has media only
// while a file system is mounted at its directory.
#include <gtest/gtest.h>

#include <set>

#include "platform/posix/mount_points.h"
#include "temp_drives.h"

namespace brenx::platform {
namespace {

using testing::TempDrives;

TEST(RemovableDrives, ThePlaceOrTheMarkMakesALetterRemovable) {
    DriveMap map = DriveMap::Parse(
        "e=/media/usb;f=/run/media/me/STICK;g=/mnt/card;h=/mnt;i=/home/me/x;"
        "j(removable)=/srv/stick;k( Fixed )=/media/disk;l(what)=/x;m(removable=/y",
        "");
    EXPECT_TRUE(map.IsRemovable('e'));
    EXPECT_TRUE(map.IsRemovable('F'));
    EXPECT_TRUE(map.IsRemovable('g'));
    EXPECT_FALSE(map.IsRemovable('h'));  // /mnt itself holds the mount points
    EXPECT_FALSE(map.IsRemovable('i'));
    EXPECT_TRUE(map.IsRemovable('j'));
    EXPECT_FALSE(map.IsRemovable('k'));
    EXPECT_EQ(map.HostDirectory('k'), "/media/disk");
    EXPECT_FALSE(map.IsRemovable('c'));
    EXPECT_EQ(map.Problems(), (std::vector<std::string>{"l(what)=/x", "m(removable=/y"}));
    EXPECT_EQ(map.HostDirectory('l'), "");
    EXPECT_FALSE(IsRemovableMediaPlace("/mediafiles/x"));
}

TEST(RemovableDrives, MountPointsAreReadFromTheMountTable) {
    const std::string table =
        "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
        "40 22 7:0 / /media/my\\040stick rw - fuseblk /dev/loop0 rw\n"
        "41 22 7:1 / /mnt/back\\134slash rw - vfat /dev/loop1 rw\n"
        "broken\n";
    EXPECT_EQ(ParseMountPoints(table),
              (std::vector<std::string>{"/", "/media/my stick", "/mnt/back\\slash"}));

    HostMountPoints host;
    EXPECT_TRUE(host.IsMountPoint("/"));
    EXPECT_TRUE(host.IsMountPoint("/proc"));
    TempDrives t;
    EXPECT_FALSE(host.IsMountPoint(t.Host("e")));
}

// Mount points as a test sets them.
class FakeMounts : public MountPoints {
  public:
    bool IsMountPoint(const std::string& realDirectory) override {
        return points.count(realDirectory) > 0;
    }
    std::set<std::string> points;
};

TEST(RemovableDrives, ALetterWithoutAMountHasNoMediaForAnyCall) {
    TempDrives t;
    DriveMap map = t.Map();
    ASSERT_TRUE(map.SetDrive('r', t.Host("e"), DriveKind::Removable));
    auto mounts = std::make_shared<FakeMounts>();
    PosixFileSystem fs(map, mounts);
    t.Write("e/there.txt", "on the bare mount point");

    auto noMedia = [&fs](bool result) {
        EXPECT_FALSE(result);
        EXPECT_EQ(fs.LastError(), HostError::NoMedia);
    };
    noMedia(fs.Open("r:\\new.txt", Access::Write, Disposition::CreateAlways) != nullptr);
    noMedia(fs.Open("r:\\there.txt", Access::Read, Disposition::OpenExisting) != nullptr);
    noMedia(fs.FindFirst("r:\\*", kAttrAnyFile) != nullptr);
    noMedia(fs.CreateDirectory("r:\\dir"));
    noMedia(fs.SetCurrentDirectory("r:\\"));
    noMedia(fs.FreeBytesAvailable("r:\\") >= 0);
    noMedia(fs.SetFileDate("r:\\there.txt", PackDosDateTime({2001, 1, 1, 0, 0, 0})));
    EXPECT_FALSE(t.Exists("e/new.txt"));
    EXPECT_FALSE(t.Exists("e/dir"));
    // The same directory under a letter that is not removable is there.
    EXPECT_TRUE(fs.Open("e:\\there.txt", Access::Read, Disposition::OpenExisting));

    mounts->points.insert(t.Host("e"));
    EXPECT_TRUE(fs.SetCurrentDirectory("r:\\"));
    EXPECT_TRUE(fs.Open("new.txt", Access::Write, Disposition::CreateAlways));
    EXPECT_TRUE(fs.FindFirst("r:\\*", kAttrAnyFile));
    EXPECT_GE(fs.FreeBytesAvailable("r:\\"), 0);
    EXPECT_TRUE(t.Exists("e/new.txt"));

    mounts->points.clear();
    noMedia(fs.Open("r:\\new.txt", Access::Read, Disposition::OpenExisting) != nullptr);
    noMedia(fs.Open("there.txt", Access::Read, Disposition::OpenExisting) != nullptr);
}

}  // namespace
}  // namespace brenx::platform
