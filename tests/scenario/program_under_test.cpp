#include "program_under_test.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>

namespace brenx::scenario {
namespace {

std::string WindowsProgram() {
    const char* exe = std::getenv("BRENX_SCENARIO_EXE");
    return exe ? exe : "";
}

std::filesystem::path DrivesFolder() {
    const char* folder = std::getenv("BRENX_SCENARIO_DRIVES");
    return folder ? folder : "";
}

// Points a letter's link at a folder, replacing what it pointed at.
bool PointLetter(char letter, const std::filesystem::path& folder) {
    const std::filesystem::path link = DrivesFolder() / std::string(1, letter);
    std::error_code error;
    if (!std::filesystem::is_symlink(link, error)) return false;
    std::filesystem::remove(link, error);
    std::filesystem::create_directory_symlink(folder, link, error);
    return !error;
}

}  // namespace

bool UnderWine() {
    return !WindowsProgram().empty();
}

std::vector<std::string> ProgramCommand() {
    if (UnderWine()) return {"wine", WindowsProgram()};
    return {BRENXC_PATH};
}

bool GiveWineTheDrives(const std::string& drives) {
    std::map<char, std::string> named;
    std::istringstream entries(drives);
    for (std::string entry; std::getline(entries, entry, ';');) {
        if (entry.size() < 3 || entry[1] != '=') continue;
        named[static_cast<char>(std::tolower(static_cast<unsigned char>(entry[0])))] =
            entry.substr(2);
    }
    std::error_code error;
    for (const auto& letter : std::filesystem::directory_iterator(DrivesFolder(), error)) {
        const std::string name = letter.path().filename().string();
        if (name.size() == 1 && !named.contains(name[0]) && !PointLetter(name[0], "none")) {
            return false;
        }
    }
    for (const auto& [letter, folder] : named) {
        if (!PointLetter(letter, folder)) return false;
    }
    return !error;
}

}  // namespace brenx::scenario
