#pragma once

#include <string>

#include "platform/file_system.h"
#include "platform/program_places.h"
#include "support/environment_references.h"

// Where the program's files lie on a POSIX host: share/brenx beside an
// installed program's directory, the user's XDG directories, /etc/brenx.
namespace brenx::platform {

// Where an installed program's data lies, relative to its own directory
// ("../share/brenx" in the usual layout).
extern const char* const kInstalledDataDirectory;

// The system-wide directory of settings files of an installed program.
inline constexpr const char* kSystemSettingsDirectory = "/etc/brenx";

// The facts of the program whose file lies in the given host directory. The
// per-user directories are made (mode 0700) when they are asked for and
// missing.
class PosixProgramFacts : public ProgramHostFacts {
  public:
    PosixProgramFacts(FileSystem& fileSystem, std::string programHostDirectory,
                      const support::EnvironmentLookup& environment);

    std::string ProgramDirectory() override;
    bool Installed() override;
    bool MayWriteProgramDirectory() override;
    std::string DataDirectory() override;
    std::string UserDirectory(UserData kind) override;
    std::string SystemSettingsDirectory() override;

  private:
    FileSystem& fileSystem_;
    std::string programHost_;
    std::string dataHost_;
    const support::EnvironmentLookup& environment_;
};

// The places of the program whose file lies in the host directory given.
ProgramPlaces FindProgramPlaces(FileSystem& fileSystem, const std::string& programHostDirectory,
                                const support::EnvironmentLookup& environment);

}  // namespace brenx::platform
