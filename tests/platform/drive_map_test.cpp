#include "platform/drive_map.h"

#include <gtest/gtest.h>

namespace brenx::platform {
namespace {

TEST(DriveMap, DefaultsAndParsing) {
    const DriveMap plain;
    EXPECT_EQ(plain.HostDirectory('c'), "/");
    EXPECT_EQ(plain.HostDirectory('D'), "");
    EXPECT_EQ(plain.UncRoot(), "/net");

    const DriveMap map =
        DriveMap::Parse(" e=/media/usb/ ; F=/mnt/cdrom;bad;7=/x;g=relative", "/srv/unc/");
    EXPECT_EQ(map.HostDirectory('E'), "/media/usb");
    EXPECT_EQ(map.HostDirectory('f'), "/mnt/cdrom");
    EXPECT_EQ(map.HostDirectory('g'), "");
    EXPECT_EQ(map.HostDirectory('c'), "/");
    EXPECT_EQ(map.UncRoot(), "/srv/unc");
    EXPECT_EQ(map.Problems().size(), 3u);
}

TEST(DriveMap, RootAlwaysHasALetter) {
    // c: mapped elsewhere: "/" moves to the first free letter from z: down.
    const DriveMap moved = DriveMap::Parse("c=/home/user/winc", "");
    EXPECT_EQ(moved.HostDirectory('c'), "/home/user/winc");
    EXPECT_EQ(moved.HostDirectory('z'), "/");
    EXPECT_EQ(moved.ToWindows("/etc/passwd"), "Z:\\etc\\passwd");
    EXPECT_EQ(moved.ToWindows("/home/user/winc/x"), "C:\\x");

    const DriveMap removed = DriveMap::Parse("c=;z=/opt", "");
    EXPECT_EQ(removed.HostDirectory('c'), "");
    EXPECT_EQ(removed.HostDirectory('y'), "/");
    EXPECT_EQ(removed.ToWindows("/opt/a"), "Z:\\a");
}

TEST(DriveMap, HostToWindowsTakesLongestPrefixOnComponentBoundary) {
    const DriveMap map = DriveMap::Parse("e=/media/usb;f=/media/usb/disc;g=/media", "");
    EXPECT_EQ(map.ToWindows("/media/usb/disc/a/b.txt"), "F:\\a\\b.txt");
    EXPECT_EQ(map.ToWindows("/media/usb/x"), "E:\\x");
    EXPECT_EQ(map.ToWindows("/media/usb"), "E:\\");
    EXPECT_EQ(map.ToWindows("/media/usb/"), "E:\\");
    EXPECT_EQ(map.ToWindows("/media/usb/dir/"), "E:\\dir\\");
    // /media/usbstick is not below /media/usb.
    EXPECT_EQ(map.ToWindows("/media/usbstick/y"), "G:\\usbstick\\y");
    EXPECT_EQ(map.ToWindows("/home/x"), "C:\\home\\x");
    EXPECT_EQ(map.ToWindows("/"), "C:\\");
    EXPECT_EQ(map.ToWindows("relative/x"), "");
}

TEST(DriveMap, NetworkPathsBothWays) {
    const DriveMap map = DriveMap::Parse("s=/net/server/share/special", "");
    EXPECT_EQ(map.ToWindows("/net/server/share/dir/f"), "\\\\server\\share\\dir\\f");
    EXPECT_EQ(map.ToWindows("/net/server/share"), "\\\\server\\share");
    // A longer drive mapping wins over the network root.
    EXPECT_EQ(map.ToWindows("/net/server/share/special/f"), "S:\\f");
    // Without a share there is no network name: the drive for "/" takes it.
    EXPECT_EQ(map.ToWindows("/net/server"), "C:\\net\\server");
    EXPECT_EQ(map.ToWindows("/netx/server/share"), "C:\\netx\\server\\share");
}

TEST(DriveMap, NormalizeHostPath) {
    EXPECT_EQ(NormalizeHostPath("/a//b/./c/../d/"), "/a/b/d/");
    EXPECT_EQ(NormalizeHostPath("/../.."), "/");
    EXPECT_EQ(NormalizeHostPath("/a/.."), "/");
    EXPECT_EQ(NormalizeHostPath("/a/b"), "/a/b");
    EXPECT_TRUE(IsHostPrefix("/", "/x"));
    EXPECT_TRUE(IsHostPrefix("/a/b", "/a/b"));
    EXPECT_TRUE(IsHostPrefix("/a/b", "/a/b/c"));
    EXPECT_FALSE(IsHostPrefix("/a/b", "/a/bc"));
}

}  // namespace
}  // namespace brenx::platform
