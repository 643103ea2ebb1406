#pragma once

#include <string>
#include <vector>

#include "platform/file_system.h"
#include "support/environment_references.h"

// Where the files that the program keeps "in its own directory" live. A copy
// of the program in a directory of its own that it may write (the build
// folder, an unpacked portable copy) keeps them all there. An installed
// program (its directory beside the installation's data directory) reads its
// resources from that data directory, looks for its settings in the user's
// and then the system's configuration directory, and writes into the user's
// own directories; so does a copy in a directory it may not write, for what
// it writes. The back end tells where those directories are on its host.
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

// What the host tells of the program's directories, for the rule below.
// Every directory is a Windows path without a trailing backslash, empty
// when the host has none to give.
class ProgramHostFacts {
  public:
    // The per-user directories of the program.
    enum class UserData {
        Config,  // settings and window placements
        State,   // what the program writes of its own (logs)
    };

    virtual ~ProgramHostFacts() = default;
    virtual std::string ProgramDirectory() = 0;
    // Whether the installation's data directory lies beside the program.
    virtual bool Installed() = 0;
    // Whether this process may make files in the program's own directory.
    virtual bool MayWriteProgramDirectory() = 0;
    virtual std::string DataDirectory() = 0;
    // A per-user directory of the program, made when it is missing.
    virtual std::string UserDirectory(UserData kind) = 0;
    // The system-wide directory of an installed program's settings files.
    virtual std::string SystemSettingsDirectory() = 0;
};

// The places as the host's facts lay them out: all in the program's own
// directory for a copy that is not installed and may write there; per-user
// directories for what is written otherwise; for an installed program also
// its data directory, and the user's and then the system's settings.
// Wherever the host has no directory to give, the program's own stands in.
ProgramPlaces PlaceProgramFiles(ProgramHostFacts& host);

// The places of this program, from the facts of the host's back end.
ProgramPlaces FindProgramPlaces(FileSystem& fileSystem,
                                const support::EnvironmentLookup& environment);

}  // namespace brenx::platform
