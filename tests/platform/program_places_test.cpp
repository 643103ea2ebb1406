// Where the program's own files live: beside a copy that may write there,
// in share/brenx and the user's directories for an installed one.
#include "platform/posix/program_place_facts.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "temp_drives.h"

namespace brenx::platform {
namespace {

using testing::TempDrives;

support::EnvironmentLookup Environment(std::map<std::string, std::string> variables) {
    return [variables](const std::string& name) {
        const auto found = variables.find(name);
        return found == variables.end() ? std::string() : found->second;
    };
}

// A directory's permission bits, -1 when it is not a directory.
int DirectoryMode(const std::string& hostPath) {
    struct stat status {};
    if (stat(hostPath.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) return -1;
    return static_cast<int>(status.st_mode & 07777);
}

TEST(ProgramPlaces, APortableCopyKeepsEverythingBesideItself) {
    TempDrives t;
    std::filesystem::create_directories(t.Host("d/brenx"));
    const ProgramPlaces places =
        FindProgramPlaces(t.Fs(), t.Host("d/brenx"), Environment({{"HOME", t.Host("e")}}));
    EXPECT_EQ(places.program, "D:\\brenx");
    for (ProgramFile kind : {ProgramFile::Resource, ProgramFile::Log, ProgramFile::Placement}) {
        EXPECT_EQ(places.Of(kind), "D:\\brenx");
    }
    EXPECT_EQ(places.settings, std::vector<std::string>{"D:\\brenx"});
    EXPECT_FALSE(t.Exists("e/.config")) << "a portable copy makes nothing in the home directory";
    EXPECT_FALSE(t.Exists("e/.local"));

    // Constructed from a directory name: the same layout.
    const ProgramPlaces beside("e:\\prog");
    EXPECT_EQ(beside.Of(ProgramFile::Log), "e:\\prog");
    EXPECT_EQ(beside.settings, std::vector<std::string>{"e:\\prog"});
}

TEST(ProgramPlaces, AnInstalledCopyReadsFromItsDataAndWritesIntoTheUsersDirectories) {
    TempDrives t;
    const std::string bin = t.Host("d/usr/bin");
    std::filesystem::create_directories(bin + "/" + kInstalledDataDirectory);
    std::string data = std::filesystem::weakly_canonical(bin + "/" + kInstalledDataDirectory);
    std::string dataWindows = "D:\\" + data.substr(t.Host("d/").size());
    std::replace(dataWindows.begin(), dataWindows.end(), '/', '\\');

    const ProgramPlaces places =
        FindProgramPlaces(t.Fs(), bin,
                          Environment({{"HOME", t.Host("e/home")},
                                       {"XDG_STATE_HOME", t.Host("e/state")},
                                       {"XDG_CONFIG_HOME", t.Host("e/config")}}));
    EXPECT_EQ(places.program, "D:\\usr\\bin");
    EXPECT_EQ(places.Of(ProgramFile::Resource), dataWindows);
    EXPECT_EQ(places.Of(ProgramFile::Log), "E:\\state\\brenx");
    EXPECT_EQ(places.Of(ProgramFile::Placement), "E:\\config\\brenx");
    EXPECT_EQ(places.settings, (std::vector<std::string>{"E:\\config\\brenx", "C:\\etc\\brenx"}));
    // The directories written into are made for the user alone; the home
    // directory itself is not used when the variables name others.
    EXPECT_EQ(DirectoryMode(t.Host("e/state/brenx")), 0700);
    EXPECT_EQ(DirectoryMode(t.Host("e/config/brenx")), 0700);
    EXPECT_FALSE(t.Exists("e/home"));
}

TEST(ProgramPlaces, WithoutUsableDesktopVariablesTheHomeDirectoryHoldsThem) {
    TempDrives t;
    const std::string bin = t.Host("d/opt/bin");
    std::filesystem::create_directories(bin + "/" + kInstalledDataDirectory);
    std::filesystem::create_directories(t.Host("e/home"));
    // A relative directory in a variable is not to be used.
    const ProgramPlaces places = FindProgramPlaces(
        t.Fs(), bin,
        Environment({{"HOME", t.Host("e/home")}, {"XDG_STATE_HOME", "relative/state"}}));
    EXPECT_EQ(places.Of(ProgramFile::Log), "E:\\home\\.local\\state\\brenx");
    EXPECT_EQ(places.Of(ProgramFile::Placement), "E:\\home\\.config\\brenx");
    EXPECT_EQ(DirectoryMode(t.Host("e/home/.local/state/brenx")), 0700);
    EXPECT_FALSE(std::filesystem::exists(bin + "/relative"));
}

}  // namespace
}  // namespace brenx::platform
