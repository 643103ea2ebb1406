// The calls a copy makes on its destination: links below a drive's own
// directory are refused, never followed.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/dos_date_time.h"
#include "platform/file_attributes.h"
#include "platform/posix/directory_chain.h"
#include "temp_drives.h"

namespace brenx::platform {
namespace {

using testing::TempDrives;

// e:\ holds a directory link and a file link, both to d:\outside.
struct LinkedDrives {
    LinkedDrives() {
        std::filesystem::create_directories(t.Host("d/outside"));
        std::filesystem::create_directories(t.Host("e/real"));
        t.Write("d/outside/secret.txt", "keep");
        std::filesystem::create_directory_symlink(t.Host("d/outside"), t.Host("e/dirlink"));
        std::filesystem::create_symlink(t.Host("d/outside/secret.txt"),
                                        t.Host("e/real/filelink.txt"));
    }
    TempDrives t;
};

TEST(PosixLinkFree, LinksOnTheWayOrAtTheNameAreRefused) {
    LinkedDrives w;
    PosixFileSystem& fs = w.t.Fs();
    // A directory link anywhere on the way: nothing made beyond it.
    EXPECT_FALSE(fs.MakeDirectoriesWithoutLinks("e:\\dirlink\\new\\"));
    EXPECT_EQ(fs.LastError(), HostError::LinkRefused);
    EXPECT_FALSE(w.t.Exists("d/outside/new"));
    EXPECT_FALSE(fs.OpenWithoutLinks("e:\\dirlink\\x.txt", Access::Write, Disposition::CreateNew));
    EXPECT_EQ(fs.LastError(), HostError::LinkRefused);
    EXPECT_FALSE(w.t.Exists("d/outside/x.txt"));

    // A link at the name itself, however it is to be opened or changed.
    for (const Disposition disposition :
         {Disposition::CreateAlways, Disposition::OpenExisting, Disposition::OpenAlways}) {
        EXPECT_FALSE(fs.OpenWithoutLinks("e:\\real\\filelink.txt", Access::ReadWrite, disposition));
        EXPECT_EQ(fs.LastError(), HostError::LinkRefused);
    }
    EXPECT_FALSE(fs.DeleteWithoutLinks("e:\\real\\filelink.txt"));
    EXPECT_EQ(fs.LastError(), HostError::LinkRefused);
    EXPECT_FALSE(fs.SetAttributesWithoutLinks("e:\\real\\filelink.txt", kAttrReadOnly));
    EXPECT_EQ(fs.LastError(), HostError::LinkRefused);
    w.t.Write("e/real/new.txt", "new");
    EXPECT_FALSE(fs.RenameWithoutLinks("e:\\real\\new.txt", "e:\\real\\filelink.txt"));
    EXPECT_EQ(fs.LastError(), HostError::LinkRefused);
    EXPECT_FALSE(fs.RenameNewWithoutLinks("e:\\real\\new.txt", "e:\\real\\filelink.txt"));
    EXPECT_EQ(fs.LastError(), HostError::AlreadyExists);
    EXPECT_EQ(fs.GetDateWithoutLinks("e:\\real\\filelink.txt"), kNoDosDateTime);
    EXPECT_EQ(fs.LastError(), HostError::LinkRefused);
    EXPECT_FALSE(
        fs.SetDateWithoutLinks("e:\\real\\filelink.txt", PackDosDateTime({1999, 1, 2, 3, 4, 6})));
    EXPECT_EQ(fs.LastError(), HostError::LinkRefused);

    EXPECT_EQ(w.t.Read("d/outside/secret.txt"), "keep");
    struct stat status {};
    ASSERT_EQ(stat(w.t.Host("d/outside/secret.txt").c_str(), &status), 0);
    EXPECT_NE(status.st_mode & S_IWUSR, 0u);
    EXPECT_TRUE(w.t.Exists("e/real/filelink.txt"));
}

TEST(PosixLinkFree, ADriveMappedThroughALinkIsTheUsersChoice) {
    TempDrives t;
    std::filesystem::create_directories(t.Host("media"));
    ASSERT_EQ(symlink(t.Host("media").c_str(), t.Host("stick").c_str()), 0);
    DriveMap map = t.Map();
    map.SetDrive('f', t.Host("stick"));
    PosixFileSystem fs(map);
    ASSERT_TRUE(fs.MakeDirectoriesWithoutLinks("f:\\a\\b\\"));
    auto file = fs.OpenWithoutLinks("f:\\a\\b\\c.txt", Access::Write, Disposition::CreateNew);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->Write("see", 3), 3);
    EXPECT_TRUE(file->Close());
    EXPECT_EQ(t.Read("media/a/b/c.txt"), "see");
}

TEST(PosixLinkFree, FilesAreMadeRenamedAndDeletedInTheirDirectory) {
    TempDrives t;
    PosixFileSystem& fs = t.Fs();
    ASSERT_TRUE(fs.MakeDirectoriesWithoutLinks("e:\\dst\\sub\\"));
    // A file where a directory should be stops the making.
    t.Write("e/dst/file", "x");
    EXPECT_FALSE(fs.MakeDirectoriesWithoutLinks("e:\\dst\\file\\deeper\\"));
    EXPECT_EQ(fs.LastError(), HostError::AlreadyExists);

    auto made = fs.OpenWithoutLinks("e:\\dst\\sub\\tmp", Access::ReadWrite, Disposition::CreateNew);
    ASSERT_TRUE(made);
    EXPECT_EQ(made->Write("new", 3), 3);
    EXPECT_TRUE(made->Close());
    EXPECT_FALSE(
        fs.OpenWithoutLinks("e:\\dst\\sub\\tmp", Access::ReadWrite, Disposition::CreateNew));
    EXPECT_EQ(fs.LastError(), HostError::AlreadyExists);

    // Only within one directory, and never over a read-only file.
    t.Write("e/dst/sub/old.txt", "old");
    EXPECT_FALSE(fs.RenameWithoutLinks("e:\\dst\\sub\\tmp", "e:\\dst\\old.txt"));
    EXPECT_EQ(fs.LastError(), HostError::InvalidArgument);
    ASSERT_TRUE(fs.SetAttributesWithoutLinks("e:\\dst\\sub\\old.txt", kAttrReadOnly));
    EXPECT_FALSE(fs.RenameWithoutLinks("e:\\dst\\sub\\tmp", "e:\\dst\\sub\\old.txt"));
    EXPECT_EQ(fs.LastError(), HostError::AccessDenied);
    EXPECT_FALSE(fs.DeleteWithoutLinks("e:\\dst\\sub\\old.txt"));
    EXPECT_EQ(fs.LastError(), HostError::AccessDenied);
    ASSERT_TRUE(fs.SetAttributesWithoutLinks("e:\\dst\\sub\\old.txt", kAttrArchive));
    ASSERT_TRUE(fs.RenameWithoutLinks("e:\\dst\\sub\\tmp", "e:\\dst\\sub\\old.txt"));
    EXPECT_EQ(t.Read("e/dst/sub/old.txt"), "new");
    EXPECT_FALSE(t.Exists("e/dst/sub/tmp"));

    // A file just made takes a free name, never a taken one; its date goes
    // with it and can be set again by name.
    made = fs.OpenWithoutLinks("e:\\dst\\sub\\tmp", Access::ReadWrite, Disposition::CreateNew);
    ASSERT_TRUE(made);
    const DosDateTime date = PackDosDateTime({2001, 2, 3, 4, 5, 6});
    ASSERT_TRUE(made->SetDate(date));
    EXPECT_TRUE(made->Close());
    EXPECT_FALSE(fs.RenameNewWithoutLinks("e:\\dst\\sub\\tmp", "e:\\dst\\sub\\old.txt"));
    EXPECT_EQ(fs.LastError(), HostError::AlreadyExists);
    EXPECT_EQ(t.Read("e/dst/sub/old.txt"), "new");
    ASSERT_TRUE(fs.RenameNewWithoutLinks("e:\\dst\\sub\\tmp", "e:\\dst\\sub\\fresh.txt"));
    EXPECT_FALSE(t.Exists("e/dst/sub/tmp"));
    EXPECT_EQ(fs.GetDateWithoutLinks("e:\\dst\\sub\\fresh.txt"), date);
    const DosDateTime later = PackDosDateTime({2002, 2, 3, 4, 5, 6});
    ASSERT_TRUE(fs.SetDateWithoutLinks("e:\\dst\\sub\\fresh.txt", later));
    EXPECT_EQ(fs.GetFileDate("e:\\dst\\sub\\fresh.txt"), later);
    EXPECT_TRUE(fs.DeleteWithoutLinks("e:\\dst\\sub\\old.txt"));
    EXPECT_FALSE(t.Exists("e/dst/sub/old.txt"));
    EXPECT_FALSE(fs.DeleteWithoutLinks("e:\\dst\\sub\\old.txt"));
    EXPECT_EQ(fs.LastError(), HostError::NotFound);
}

TEST(PosixLinkFree, TheChainFollowsTheWalkAndLetsGoOfEverything) {
    TempDrives t;
    const std::string root = t.Host("e");
    std::filesystem::create_directories(t.Host("e/a/b/c"));
    std::filesystem::create_directories(t.Host("e/a/x"));
    DirectoryChain chain;
    HostError error = HostError::None;
    ASSERT_GE(chain.Reach(root, "a/b/c", false, error), 0);
    EXPECT_EQ(chain.OpenCount(), 4u);
    // A neighbour keeps the levels it shares.
    ASSERT_GE(chain.Reach(root, "a/x", false, error), 0);
    EXPECT_EQ(chain.OpenCount(), 3u);
    EXPECT_LT(chain.Reach(root, "a/missing", false, error), 0);
    EXPECT_EQ(error, HostError::PathNotFound);
    ASSERT_GE(chain.Reach(root, "", false, error), 0);
    EXPECT_EQ(chain.OpenCount(), 1u);
    chain.Close();
    EXPECT_EQ(chain.OpenCount(), 0u);
    EXPECT_LT(chain.Reach(t.Host("gone"), "a", false, error), 0);
    EXPECT_EQ(error, HostError::NoMedia);

    // The file system's release lets go of its chain: nothing stays open
    // in a medium's directory at a question.
    PosixFileSystem& fs = t.Fs();
    ASSERT_TRUE(fs.MakeDirectoriesWithoutLinks("e:\\a\\b\\c\\"));
    const auto holds = [&] {
        for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
            std::error_code ignored;
            const auto target = std::filesystem::read_symlink(fd.path(), ignored);
            if (target.string().rfind(root, 0) == 0) return true;
        }
        return false;
    };
    EXPECT_TRUE(holds());
    fs.ReleaseMedia();
    EXPECT_FALSE(holds());
}

}  // namespace
}  // namespace brenx::platform
