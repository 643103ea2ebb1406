#pragma once

#include <string>
#include <string_view>

#include "platform/program_places.h"
#include "support/environment_references.h"

// Where the program's files lie on Windows. A program in a folder that
// programs are installed into (Program Files, or the user's own Programs
// folder) is installed: its help page and sound lie beside it, its settings
// are looked for in %APPDATA%\Brenx and then %ProgramData%\Brenx, and it
// writes its logs into %LOCALAPPDATA%\Brenx and its placements into
// %APPDATA%\Brenx. A copy anywhere else keeps everything beside itself when
// it may write there, and otherwise writes into those same per-user folders.
// Whoever runs it, an installed program never writes beside itself.
namespace brenx::platform {

// The name of the program's own folders in the user's and the system's folders.
inline constexpr const char* kProgramFolderName = "Brenx";

class Win32ProgramFacts : public ProgramHostFacts {
  public:
    // The folders come from the environment (ProgramFiles, ProgramFiles(x86),
    // ProgramW6432, LOCALAPPDATA, APPDATA, ProgramData) when it holds an
    // absolute path there, else from the shell's folders.
    Win32ProgramFacts(std::string programDirectory, const support::EnvironmentLookup& environment);

    std::string ProgramDirectory() override { return program_; }
    bool Installed() override;
    bool MayWriteProgramDirectory() override;
    // An installed program's data lies beside it.
    std::string DataDirectory() override { return program_; }
    // Made, with whatever is missing on the way, when it is asked for.
    std::string UserDirectory(UserData kind) override;
    std::string SystemSettingsDirectory() override;

  private:
    std::string program_;
    const support::EnvironmentLookup& environment_;
};

// The directory of this process's program file (GetModuleFileNameW), without
// a trailing backslash; empty when the host does not tell.
std::string ModuleDirectory();

// Whether the directory is the folder or lies below it; letters are
// compared without regard to case, as Windows compares names.
bool LiesWithin(std::string_view directory, std::string_view folder);

// The places of the program whose file lies in the directory given.
ProgramPlaces FindProgramPlaces(const std::string& programDirectory,
                                const support::EnvironmentLookup& environment);

}  // namespace brenx::platform
