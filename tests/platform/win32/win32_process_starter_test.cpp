// Starting programs on Windows: found along PATH, started in the directory
// asked for with the command line as given, failures told at once.
#include "platform/win32/win32_process_starter.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace brenx::platform {
namespace {

std::string TempDirectory() {
    char path[MAX_PATH];
    const DWORD length = GetTempPathA(MAX_PATH, path);
    std::string directory(path, length);
    directory += "brenx-start-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(directory.c_str(), nullptr);
    return directory;
}

bool AppearsWithin(const std::string& path, int milliseconds) {
    for (int waited = 0; waited < milliseconds; waited += 50) {
        if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
        Sleep(50);
    }
    return false;
}

TEST(Win32ProcessStarter, ABareNameIsFoundAlongPathWithItsExtension) {
    std::string cmd;
    ASSERT_EQ(FindProgramAlongPath("cmd", cmd), HostError::None);
    EXPECT_EQ(CharLowerA(cmd.substr(cmd.size() - 8).data()), std::string("\\cmd.exe"));
    std::string none = "unchanged";
    EXPECT_EQ(FindProgramAlongPath("no-such-program-of-brenx", none), HostError::NotFound);
    EXPECT_EQ(none, "unchanged");
}

TEST(Win32ProcessStarter, TheProgramRunsInTheDirectoryGiven) {
    std::string cmd;
    ASSERT_EQ(FindProgramAlongPath("cmd", cmd), HostError::None);
    const std::string directory = TempDirectory();
    HostError error = HostError::Other;
    ASSERT_TRUE(StartHostProcess("cmd /c echo started>marker.txt", cmd, directory, error));
    EXPECT_EQ(error, HostError::None);
    EXPECT_TRUE(AppearsWithin(directory + "\\marker.txt", 20000));
    Sleep(200);
    DeleteFileA((directory + "\\marker.txt").c_str());
    RemoveDirectoryA(directory.c_str());
}

TEST(Win32ProcessStarter, AStartThatCannotBeMadeFailsAtOnceWithItsReason) {
    std::string cmd;
    ASSERT_EQ(FindProgramAlongPath("cmd", cmd), HostError::None);
    const std::string directory = TempDirectory();
    struct Case {
        std::string line;
        std::string program;
        std::string directory;
        HostError error;
    };
    const Case cases[] = {
        {"missing", directory + "\\missing.exe", directory, HostError::NotFound},
        {"cmd /c rem", cmd, directory + "\\not-there", HostError::PathNotFound},
        {"cmd /c rem \xFF", cmd, directory, HostError::InvalidName},
    };
    for (const Case& c : cases) {
        HostError error = HostError::None;
        EXPECT_FALSE(StartHostProcess(c.line, c.program, c.directory, error)) << c.line;
        EXPECT_EQ(error, c.error) << c.line;
    }
    RemoveDirectoryA(directory.c_str());
}

}  // namespace
}  // namespace brenx::platform
