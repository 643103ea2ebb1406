#pragma once

#include <string>
#include <vector>

#include "platform/file_system.h"
#include "support/environment_references.h"

// Where the files that the program keeps "in its own directory" live on this
// host. A copy of the program in a directory of its own that it may write (the
// build folder, an unpacked portable copy) keeps them all there. An installed
// program (its directory beside the installation's share/brenx) reads its
// resources from share/brenx, looks for its settings in the user's and then
// the system's configuration directory, and writes into the user's own
// directories; so does a copy in a directory it may not write, for what it
// writes.
namespace brenx::platform {

// The kinds of file the program keeps in its own directory.
enum class ProgramFile {
    Resource,   // read only: the help page, the alarm sound
    Log,        // written: a log given no place of its own (df~_+.bnx)
    Placement,  // written: the window-placement file (brenxsize.ini)
};

// The directories of each kind, as Windows paths without a trailing
// backslash.
struct ProgramPlaces {
    ProgramPlaces() = default;
    // A program whose files all lie in its own directory.
    ProgramPlaces(std::string programDirectory);
    ProgramPlaces(const char* programDirectory) : ProgramPlaces(std::string(programDirectory)) {}

    const std::string& Of(ProgramFile kind) const;

    // The program's own directory.
    std::string program;
    std::string resources;
    std::string logs;
    std::string placement;
    // Where the settings file is looked for when it is not in the current
    // directory, in order; the first is named when it is in none of them.
    std::vector<std::string> settings;
};

// Where an installed program's data lies, relative to its own directory
// ("../share/brenx" in the usual layout).
extern const char* const kInstalledDataDirectory;

// The system-wide directory of settings files of an installed program.
inline constexpr const char* kSystemSettingsDirectory = "/etc/brenx";

// The places of the program whose file lies in the host directory given, as
// this host lays them out. The per-user directories an installed program
// writes into are made (mode 0700) when they are missing.
ProgramPlaces FindProgramPlaces(FileSystem& fileSystem, const std::string& programHostDirectory,
                                const support::EnvironmentLookup& environment);
// The places of this program.
ProgramPlaces FindProgramPlaces(FileSystem& fileSystem,
                                const support::EnvironmentLookup& environment);

}  // namespace brenx::platform
