// Where the program's own files live on Windows: beside a portable copy that
// may write there, in the user's folders for an installed one.
#include "platform/win32/program_place_facts.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <map>
#include <string>

namespace brenx::platform {
namespace {

bool IsDirectory(const std::string& path) {
    return std::filesystem::is_directory(path);
}

// A fresh folder for the test's own Program Files and user folders.
struct Root {
    Root() { std::filesystem::create_directories(path_); }
    ~Root() { std::filesystem::remove_all(path_); }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }
    const std::string path_ = (std::filesystem::temp_directory_path() /
                               ("brenx-places-" + std::to_string(GetCurrentProcessId())))
                                  .string();
};

support::EnvironmentLookup Folders(const Root& root) {
    const std::map<std::string, std::string> variables = {{"ProgramFiles", root / "pf"},
                                                          {"ProgramFiles(x86)", root / "pf86"},
                                                          {"APPDATA", root / "roaming"},
                                                          {"LOCALAPPDATA", root / "local"},
                                                          {"ProgramData", root / "all"}};
    return [variables](const std::string& name) {
        const auto found = variables.find(name);
        return found == variables.end() ? std::string() : found->second;
    };
}

TEST(Win32ProgramPlaces, AFolderHoldsWhatLiesBelowItWhateverTheCase) {
    struct Case {
        const char* directory;
        const char* folder;
        bool within;
    };
    const Case cases[] = {
        {"C:\\Program Files\\Brenx", "C:\\Program Files", true},
        {"c:\\program files\\brenx\\", "C:\\PROGRAM FILES\\", true},
        {"C:\\Program Files", "C:\\Program Files", true},
        {"C:/Program Files/Brenx", "C:\\Program Files", true},
        {"C:\\Program Files (x86)\\Brenx", "C:\\Program Files", false},
        {"D:\\Program Files\\Brenx", "C:\\Program Files", false},
        {"C:\\Prog", "C:\\Program Files", false},
        {"C:\\Brenx", "", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LiesWithin(c.directory, c.folder), c.within) << c.directory << " in " << c.folder;
    }
}

TEST(Win32ProgramPlaces, APortableCopyKeepsEverythingBesideItself) {
    const Root root;
    const std::string program = root / "stick";
    std::filesystem::create_directories(program);
    const ProgramPlaces places = FindProgramPlaces(program + "\\", Folders(root));
    EXPECT_EQ(places.program, program);
    for (ProgramFile kind : {ProgramFile::Resource, ProgramFile::Log, ProgramFile::Placement}) {
        EXPECT_EQ(places.Of(kind), program);
    }
    EXPECT_EQ(places.settings, std::vector<std::string>{program});
    EXPECT_FALSE(IsDirectory(root / "roaming")) << "a portable copy makes nothing of the user's";
    EXPECT_FALSE(IsDirectory(root / "local"));
    WIN32_FIND_DATAA found;
    EXPECT_EQ(FindFirstFileA((program + "\\*.tmp").c_str(), &found), INVALID_HANDLE_VALUE)
        << "the look whether it may write leaves nothing behind";
}

TEST(Win32ProgramPlaces, AnInstalledCopyWritesIntoTheUsersFoldersWhoeverRunsIt) {
    const Root root;
    for (const std::string installed : {"pf\\Brenx", "pf86\\Brenx", "local\\Programs\\Brenx"}) {
        const std::string program = root / installed;
        std::filesystem::create_directories(program);  // one it may write
        const ProgramPlaces places = FindProgramPlaces(program, Folders(root));
        EXPECT_EQ(places.resources, program);
        EXPECT_EQ(places.logs, root / "local\\Brenx");
        EXPECT_EQ(places.placement, root / "roaming\\Brenx");
        EXPECT_EQ(places.settings,
                  (std::vector<std::string>{root / "roaming\\Brenx", root / "all\\Brenx"}));
        EXPECT_TRUE(IsDirectory(root / "local\\Brenx"));
        EXPECT_TRUE(IsDirectory(root / "roaming\\Brenx"));
    }
}

TEST(Win32ProgramPlaces, ACopyThatMayNotWriteBesideItselfWritesIntoTheUsersFolders) {
    const Root root;
    // A directory that is not there takes no file, as a protected one.
    const std::string program = root / "gone";
    const ProgramPlaces places = FindProgramPlaces(program, Folders(root));
    EXPECT_EQ(places.resources, program);
    EXPECT_EQ(places.settings, std::vector<std::string>{program});
    EXPECT_EQ(places.logs, root / "local\\Brenx");
    EXPECT_EQ(places.placement, root / "roaming\\Brenx");
}

TEST(Win32ProgramPlaces, TheModuleDirectoryHoldsThisProgram) {
    const std::string directory = ModuleDirectory();
    ASSERT_FALSE(directory.empty());
    EXPECT_NE(directory.back(), '\\');
    EXPECT_TRUE(IsDirectory(directory));
    char file[MAX_PATH];
    GetModuleFileNameA(nullptr, file, MAX_PATH);
    EXPECT_TRUE(LiesWithin(file, directory));
}

}  // namespace
}  // namespace brenx::platform
