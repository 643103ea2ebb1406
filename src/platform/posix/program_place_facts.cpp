#include "platform/posix/program_place_facts.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/program_directory.h"

// The installation's data directory, relative to the directory of the
// installed programs; the build sets it from its install directories.
#ifndef BRENX_DATA_FROM_PROGRAM
#define BRENX_DATA_FROM_PROGRAM "../share/brenx"
#endif

namespace brenx::platform {

const char* const kInstalledDataDirectory = BRENX_DATA_FROM_PROGRAM;

namespace {

bool IsDirectory(const std::string& hostPath) {
    struct stat status {};
    return stat(hostPath.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// Whether this process may make files in the directory (root too is refused
// on a read-only file system).
bool MayWriteInto(const std::string& hostDirectory) {
    return faccessat(AT_FDCWD, hostDirectory.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

std::string HomeDirectory(const support::EnvironmentLookup& environment) {
    const std::string home = environment("HOME");
    if (home.starts_with('/')) return home;
    const passwd* entry = getpwuid(geteuid());
    return entry != nullptr && entry->pw_dir != nullptr && entry->pw_dir[0] == '/'
               ? std::string(entry->pw_dir)
               : std::string();
}

// A base directory of the desktop's conventions: the variable when it holds
// an absolute path (a relative one is to be ignored), else its place under
// the home directory. Empty without a home.
std::string BaseDirectory(const support::EnvironmentLookup& environment, const char* variable,
                          const char* underHome, const std::string& home) {
    const std::string value = environment(variable);
    if (value.starts_with('/')) return value;
    return home.empty() ? std::string() : home + "/" + underHome;
}

// Makes every missing directory of the path; what already exists is left as
// it is. A failure shows later, when a file is made there.
void MakeDirectories(const std::string& hostPath) {
    for (std::size_t slash = hostPath.find('/', 1);; slash = hostPath.find('/', slash + 1)) {
        const std::string prefix = hostPath.substr(0, slash);
        if (!IsDirectory(prefix)) mkdir(prefix.c_str(), 0700);
        if (slash == std::string::npos) return;
    }
}

// The Windows name of a host directory; empty when it has none.
std::string WindowsName(FileSystem& fileSystem, const std::string& hostDirectory) {
    std::string full;
    if (hostDirectory.empty() || !fileSystem.FullPathName(hostDirectory, full)) return {};
    if (full.size() > 3 && full.back() == '\\') full.pop_back();
    return full;
}

}  // namespace

PosixProgramFacts::PosixProgramFacts(FileSystem& fileSystem, std::string programHostDirectory,
                                     const support::EnvironmentLookup& environment)
    : fileSystem_(fileSystem),
      programHost_(std::move(programHostDirectory)),
      dataHost_(programHost_ + "/" + kInstalledDataDirectory),
      environment_(environment) {}

std::string PosixProgramFacts::ProgramDirectory() {
    return WindowsName(fileSystem_, programHost_);
}

bool PosixProgramFacts::Installed() {
    return IsDirectory(dataHost_);
}

bool PosixProgramFacts::MayWriteProgramDirectory() {
    return MayWriteInto(programHost_);
}

std::string PosixProgramFacts::DataDirectory() {
    return WindowsName(fileSystem_, dataHost_);
}

std::string PosixProgramFacts::UserDirectory(UserData kind) {
    const std::string home = HomeDirectory(environment_);
    const std::string base =
        kind == UserData::Config
            ? BaseDirectory(environment_, "XDG_CONFIG_HOME", ".config", home)
            : BaseDirectory(environment_, "XDG_STATE_HOME", ".local/state", home);
    if (base.empty()) return {};
    const std::string directory = base + "/brenx";
    MakeDirectories(directory);
    return WindowsName(fileSystem_, directory);
}

std::string PosixProgramFacts::SystemSettingsDirectory() {
    return WindowsName(fileSystem_, kSystemSettingsDirectory);
}

ProgramPlaces FindProgramPlaces(FileSystem& fileSystem, const std::string& programHostDirectory,
                                const support::EnvironmentLookup& environment) {
    PosixProgramFacts facts(fileSystem, programHostDirectory, environment);
    return PlaceProgramFiles(facts);
}

ProgramPlaces FindProgramPlaces(FileSystem& fileSystem,
                                const support::EnvironmentLookup& environment) {
    const std::string programDirectory = ProgramDirectory(fileSystem);
    std::string hostDirectory;
    if (programDirectory.empty() || !fileSystem.HostPath(programDirectory, hostDirectory)) {
        return ProgramPlaces(programDirectory);
    }
    return FindProgramPlaces(fileSystem, hostDirectory, environment);
}

}  // namespace brenx::platform
