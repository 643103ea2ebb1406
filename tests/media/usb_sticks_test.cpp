// A copy across real stick file systems (images on loop devices, mounted
// through FUSE at one mount point that brenxc sees as a removable drive),
// with the sticks swapped by a plain unmount at the program's media
// questions; then a verify of every stick against the log, the same after a
// byte was changed on one stick, and a second NewerOnly run that copies
// nothing because the dates took. exFAT through exfat-fuse tells its free
// space, so the room check asks for the next stick; FAT32 through fusefat
// does not for sticks this small, so a write finds each one full. Needs
// root, /dev/fuse, loop devices and the tools; otherwise it says why and
// is skipped.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#include "scenario/brenxc_session.h"

namespace brenx::scenario {
namespace {

// A kind of stick and the tree that fills a few of them.
struct StickKind {
    const char* mkfs;   // makes the file system on an image
    const char* mount;  // mounts a loop device at a directory
    int sticks;
    int stickMiB;
    int directories;
    int filesPerDirectory;
    std::size_t fileBytes;
};

constexpr StickKind kExfat{"mkfs.exfat", "mount.exfat-fuse", 3, 12, 3, 9, 1 << 20};
// FAT32 takes at least 33 MiB; fusefat says 0 blocks of 0 for the size of
// one so small.
constexpr StickKind kFat32{"mkfs.fat -F 32", "fusefat -o rw+", 2, 34, 4, 5, 2 << 20};

// A command's standard output; empty when it failed.
std::string Output(const std::string& command) {
    std::string text;
    if (FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r")) {
        char buffer[512];
        while (fgets(buffer, sizeof buffer, pipe) != nullptr)
            text += buffer;
        if (pclose(pipe) != 0) text.clear();
    }
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text;
}

bool Succeeds(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

// Why the test cannot run here; empty when it can.
std::string MissingNeed(const StickKind& kind) {
    if (geteuid() != 0) return "not root";
    if (access("/dev/fuse", R_OK | W_OK) != 0) return "no /dev/fuse";
    const auto program = [](const char* command) {
        const std::string text(command);
        return text.substr(0, text.find(' '));
    };
    for (const std::string& tool : {program(kind.mkfs), program(kind.mount), std::string("losetup"),
                                    std::string("umount"), std::string("truncate")}) {
        if (!Succeeds("command -v " + tool)) return "no " + tool;
    }
    if (access("/dev/loop-control", R_OK | W_OK) != 0) return "no loop devices";
    return {};
}

// The images, their loop devices and the one mount point; everything is
// undone at the end, whatever happened.
class Sticks {
  public:
    Sticks(const StickKind& kind, const std::string& root)
        : kind_(kind), root_(root), mountPoint_(root + "/stick") {
        mkdir(mountPoint_.c_str(), 0755);
    }
    ~Sticks() {
        Unmount();
        // Only if the plain unmount failed (a test already failed): never leave a mount.
        if (mounted_ >= 0) Succeeds("umount -l " + mountPoint_);
        for (const std::string& loop : loops_)
            Succeeds("losetup -d " + loop);
    }
    Sticks(const Sticks&) = delete;
    Sticks& operator=(const Sticks&) = delete;

    // Why making them failed; empty on success.
    std::string Make() {
        for (int i = 0; i < kind_.sticks; ++i) {
            const std::string image = root_ + "/stick" + std::to_string(i) + ".img";
            if (!Succeeds("truncate -s " + std::to_string(kind_.stickMiB) + "M " + image) ||
                !Succeeds(std::string(kind_.mkfs) + " " + image)) {
                return std::string(kind_.mkfs) + " failed";
            }
            const std::string loop = Output("losetup -f --show " + image);
            if (loop.empty()) return "no free loop device";
            loops_.push_back(loop);
        }
        return {};
    }
    bool Mount(int stick) {
        if (!Succeeds(std::string(kind_.mount) + " " + loops_[stick] + " " + mountPoint_)) {
            return false;
        }
        mounted_ = stick;
        return true;
    }
    // A plain unmount, as the operator does it: it fails while the program
    // holds anything on the stick.
    bool Unmount() {
        if (mounted_ < 0) return true;
        if (!Succeeds("umount " + mountPoint_)) return false;
        mounted_ = -1;
        return true;
    }
    bool Swap(int stick) { return Unmount() && Mount(stick); }
    // Changes one byte of the stick's device where `content` begins.
    bool Damage(int stick, const std::string& content) {
        std::ifstream image(root_ + "/stick" + std::to_string(stick) + ".img", std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(image)), {});
        const std::size_t at = bytes.find(content.substr(0, 4096));
        if (at == std::string::npos) return false;
        const int fd = open(loops_[stick].c_str(), O_RDWR);
        const char flipped = static_cast<char>(bytes[at + 100] ^ 0x20);
        const bool written =
            fd >= 0 && pwrite(fd, &flipped, 1, static_cast<off_t>(at + 100)) == 1 && fsync(fd) == 0;
        if (fd >= 0) close(fd);
        return written && Succeeds("blockdev --flushbufs " + loops_[stick]);
    }
    const std::string& MountPoint() const { return mountPoint_; }

  private:
    const StickKind& kind_;
    std::string root_;
    std::string mountPoint_;
    std::vector<std::string> loops_;
    int mounted_ = -1;
};

std::string FileContent(const StickKind& kind, int directory, int file) {
    std::mt19937 random(static_cast<unsigned>(directory * 100 + file + 1));
    std::string bytes(kind.fileBytes, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random());
    return bytes;
}

std::string SourceName(int directory, int file) {
    return "s/d" + std::to_string(directory) + "/f" + std::to_string(file) + ".bin";
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The whole life of a backup onto the sticks of one kind.
void CopyAcrossSticks(const StickKind& kind) {
    if (const std::string missing = MissingNeed(kind); !missing.empty()) GTEST_SKIP() << missing;
    Scenario scenario;
    Sticks sticks(kind, scenario.Root());
    if (const std::string failed = sticks.Make(); !failed.empty()) GTEST_SKIP() << failed;
    // The sources are dated two days ahead: a copy that kept the time it was
    // made, not its source's date, would be older and copied again by NewerOnly.
    for (int d = 0; d < kind.directories; ++d) {
        for (int f = 0; f < kind.filesPerDirectory; ++f)
            scenario.Write(SourceName(d, f), FileContent(kind, d, f));
    }
    ASSERT_TRUE(Succeeds("touch -d '+2 days' $(find " + scenario.Host("s") + " -type f)"));
    scenario.Write("brenx.ini", "[brenx]\r\nlog=run.log\r\n");
    scenario.drives = "s=" + scenario.Host("s") + ";e(removable)=" + sticks.MountPoint() +
                      ";l=" + scenario.Root();

    // Without a stick nothing is written into the bare mount point.
    const RunResult bare =
        RunBrenxc(scenario, {"s:\\", "e:\\back\\", "-s", "-r", "-iL:\\brenx.ini"});
    EXPECT_NE(bare.exitCode, 0);
    EXPECT_TRUE(Contains(bare.errors, "You might consider inserting some destination media"))
        << bare.errors;
    EXPECT_FALSE(scenario.Exists("stick/back"));

    if (!sticks.Mount(0)) GTEST_SKIP() << kind.mount << " cannot mount here";
    // A stick that tells its free space is found full by the room check,
    // one that does not by the write.
    struct statvfs volume {};
    const bool tellsRoom =
        statvfs(sticks.MountPoint().c_str(), &volume) == 0 && volume.f_blocks > 0;
    {
        BrenxcSession copy(scenario, {"s:\\", "e:\\back\\", "-s", "-r", "-iL:\\brenx.ini"});
        for (int next = 1; next < kind.sticks; ++next) {
            const char* full =
                tellsRoom ? "left on e:\\; new media?" : "(no space left on the medium)";
            ASSERT_TRUE(copy.WaitFor(full, std::chrono::seconds(60)));
            ASSERT_TRUE(sticks.Swap(next)) << "the stick could not be unmounted at the question";
            copy.Type("y\n");
            // After the room question the program asks about the file too.
            if (tellsRoom) {
                ASSERT_TRUE(copy.WaitFor("); try new media?"));
                copy.Type("y\n");
            }
        }
        const RunResult result = copy.Finish(std::chrono::seconds(120));
        ASSERT_EQ(result.exitCode, 0) << result.errors;
    }
    const int files = kind.directories * kind.filesPerDirectory;
    const std::string log = scenario.Read("run.log");
    EXPECT_TRUE(Contains(log, "filecount: " + std::to_string(files) +
                                  ", bytecount: " + std::to_string(files * kind.fileBytes)))
        << log;
    EXPECT_TRUE(Contains(log, "|:Changed Media")) << log;

    // Every stick against the log, changing sticks where the log says so.
    ASSERT_TRUE(sticks.Swap(0));
    auto verify = [&](const std::string& logName) {
        BrenxcSession session(scenario, {"-vL:\\run.log", "-r", "-x", "-lL:\\" + logName});
        for (int next = 1; next < kind.sticks; ++next) {
            EXPECT_TRUE(session.WaitFor("Changed Media", std::chrono::seconds(60)));
            EXPECT_TRUE(sticks.Swap(next)) << "the stick could not be unmounted at the question";
            session.Type("\n");
        }
        return session.Finish(std::chrono::seconds(120));
    };
    const RunResult good = verify("verify.log");
    EXPECT_EQ(good.exitCode, 0) << good.errors;

    // One byte changed on the second stick.
    ASSERT_TRUE(sticks.Unmount());
    std::string damaged;
    for (int d = 0; d < kind.directories && damaged.empty(); ++d) {
        for (int f = 0; f < kind.filesPerDirectory && damaged.empty(); ++f) {
            if (sticks.Damage(1, FileContent(kind, d, f))) damaged = SourceName(d, f);
        }
    }
    ASSERT_FALSE(damaged.empty()) << "no file of the second stick was found in its image";
    ASSERT_TRUE(sticks.Mount(0));
    const RunResult bad = verify("damaged.log");
    EXPECT_EQ(bad.exitCode, 8) << bad.errors;
    EXPECT_TRUE(Contains(scenario.Read("damaged.log"), "crc sb")) << scenario.Read("damaged.log");

    // A directory that lies whole on the first stick: nothing there is newer.
    ASSERT_TRUE(sticks.Swap(0));
    std::string whole;
    for (int d = 0; d < kind.directories && whole.empty(); ++d) {
        const std::string name = "d" + std::to_string(d);
        int there = 0;
        for (int f = 0; f < kind.filesPerDirectory; ++f)
            there += scenario.Exists("stick/back/" + name + "/f" + std::to_string(f) + ".bin");
        if (there == kind.filesPerDirectory) whole = name;
    }
    ASSERT_FALSE(whole.empty()) << "no directory lies whole on the first stick";
    scenario.Write("brenx.ini", "[brenx]\r\nlog=again.log\r\nNewerOnly=1\r\n");
    const RunResult again = RunBrenxc(
        scenario, {"s:\\" + whole + "\\", "e:\\back\\" + whole + "\\", "-r", "-iL:\\brenx.ini"});
    EXPECT_EQ(again.exitCode, 0) << again.errors;
    EXPECT_TRUE(Contains(scenario.Read("again.log"),
                         "filecount: 0, bytecount: 0, cd_bytecount: 0, NewerSkipped: " +
                             std::to_string(kind.filesPerDirectory)))
        << scenario.Read("again.log");
    ASSERT_TRUE(sticks.Unmount());
}

TEST(UsbSticks, ExfatSticksTellTheirRoomAndKeepEveryCopyChecked) {
    CopyAcrossSticks(kExfat);
}

TEST(UsbSticks, Fat32SticksThatHideTheirRoomAreFoundFullByTheWrite) {
    CopyAcrossSticks(kFat32);
}

}  // namespace
}  // namespace brenx::scenario
