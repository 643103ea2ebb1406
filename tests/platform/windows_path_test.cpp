#include "platform/windows_path.h"

#include <gtest/gtest.h>

namespace brenx::platform {
namespace {

class FullPath : public ::testing::Test {
  protected:
    std::string Full(const std::string& name, const std::string& current = "d:\\work\\sub") {
        WindowsPath path;
        const HostError error = ParseFullPath(name, current, map_, path);
        if (error != HostError::None) return "error " + HostErrorText(error);
        return FormatWindowsPath(path);
    }
    std::string Host(const std::string& name) {
        WindowsPath path;
        std::string host;
        if (ParseFullPath(name, "d:\\work", map_, path) != HostError::None) return "bad name";
        if (HostPathOf(path, map_, host) != HostError::None) return "no host";
        return host;
    }

    DriveMap map_ = DriveMap::Parse("d=/data;e=/media/usb", "/net");
};

TEST_F(FullPath, DotsSlashesAndTrailingSeparators) {
    EXPECT_EQ(Full("d:\\a\\b\\..\\c"), "d:\\a\\c");
    EXPECT_EQ(Full("d:\\a\\.\\b\\."), "d:\\a\\b");
    EXPECT_EQ(Full("d:/a/b\\c"), "d:\\a\\b\\c");
    EXPECT_EQ(Full("d:\\a\\\\b"), "d:\\a\\b");
    EXPECT_EQ(Full("d:\\a\\b\\"), "d:\\a\\b\\");
    EXPECT_EQ(Full("d:\\a\\b\\..\\"), "d:\\a\\");
    EXPECT_EQ(Full("d:\\..\\..\\x"), "d:\\x");
    EXPECT_EQ(Full("d:\\"), "d:\\");
    EXPECT_EQ(Full("D:\\Mixed\\Case"), "D:\\Mixed\\Case");
}

TEST_F(FullPath, RelativeNamesTakeTheCurrentDirectory) {
    EXPECT_EQ(Full("file.txt"), "d:\\work\\sub\\file.txt");
    EXPECT_EQ(Full("."), "d:\\work\\sub");
    EXPECT_EQ(Full(".."), "d:\\work");
    EXPECT_EQ(Full("..\\..\\..\\x"), "d:\\x");
    EXPECT_EQ(Full("\\root.txt"), "d:\\root.txt");
    EXPECT_EQ(Full("d:rel"), "d:\\work\\sub\\rel");
    EXPECT_EQ(Full("E:rel"), "E:\\rel");
    EXPECT_EQ(Full("d:"), "d:\\work\\sub");
    EXPECT_EQ(Full("x", "\\\\srv\\share\\dir"), "\\\\srv\\share\\dir\\x");
    EXPECT_EQ(Full("\\y", "\\\\srv\\share\\dir"), "\\\\srv\\share\\y");
}

TEST_F(FullPath, NetworkAndHostPaths) {
    EXPECT_EQ(Full("\\\\srv\\share\\a\\..\\..\\b"), "\\\\srv\\share\\b");
    EXPECT_EQ(Full("//srv/share/a"), "\\\\srv\\share\\a");
    EXPECT_EQ(Full("\\\\srv\\share"), "\\\\srv\\share");
    EXPECT_EQ(Full("/media/usb/x/../y"), "E:\\y");
    EXPECT_EQ(Full("/home/me/"), "C:\\home\\me\\");
}

TEST_F(FullPath, RefusedNames) {
    const std::string invalid = "error " + HostErrorText(HostError::InvalidName);
    EXPECT_EQ(Full(""), invalid);
    EXPECT_EQ(Full(std::string("d:\\a\0b", 6)), invalid);
    EXPECT_EQ(Full("\\\\srv"), invalid);
    EXPECT_EQ(Full("\\\\srv\\"), invalid);
    EXPECT_EQ(Full("\\\\..\\share\\x"), invalid);
    EXPECT_EQ(Full("\\\\srv\\..\\x"), invalid);
    EXPECT_EQ(Full("\\\\.\\pipe\\x"), invalid);
    EXPECT_EQ(Full("\\\\?\\c:\\x"), invalid);
}

TEST_F(FullPath, HostPathsFollowTheMapping) {
    EXPECT_EQ(Host("d:\\a\\b"), "/data/a/b");
    EXPECT_EQ(Host("d:\\"), "/data/");
    EXPECT_EQ(Host("D:\\a\\"), "/data/a/");
    EXPECT_EQ(Host("c:\\etc\\x"), "/etc/x");
    EXPECT_EQ(Host("c:\\"), "/");
    EXPECT_EQ(Host("\\\\srv\\share\\f"), "/net/srv/share/f");
    EXPECT_EQ(Host("sub\\f"), "/data/work/sub/f");
    EXPECT_EQ(Host("q:\\x"), "no host");
    // Climbing is held at the drive's root: a name never leaves its mapping.
    EXPECT_EQ(Host("d:\\..\\..\\etc"), "/data/etc");
    EXPECT_EQ(Host("\\\\srv\\share\\..\\..\\etc"), "/net/srv/share/etc");
}

}  // namespace
}  // namespace brenx::platform
