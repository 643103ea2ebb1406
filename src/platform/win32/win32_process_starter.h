#pragma once

#include <string>

#include "platform/file_system.h"
#include "platform/host_error.h"
#include "platform/process_starter.h"

namespace brenx::platform {

// The host path of a program named without a directory, looked for along
// PATH only (as on POSIX), ".exe" added when the name has no extension.
// NotFound when no directory of PATH holds it.
HostError FindProgramAlongPath(const std::string& name, std::string& hostProgram);

// Starts the host program with the command line as it is given: the
// program's own C runtime splits it, and no shell ever sees it. The process
// starts in the host directory given (this process's own when empty) with
// this process's environment, and none of its handles. It does not wait:
// true when the program is running; false at once otherwise, with the
// reason (NotFound, AccessDenied, PathNotFound for a working directory that
// is not there, InvalidName for a line that is not UTF-8).
bool StartHostProcess(const std::string& commandLine, const std::string& hostProgram,
                      const std::string& hostWorkingDirectory, HostError& error);

// Starts command lines in the current directory of the file system given,
// whose drives lead to the program's host path: a program named with a
// directory is taken from there, a bare name from PATH.
class Win32ProcessStarter : public ProcessStarter {
  public:
    explicit Win32ProcessStarter(FileSystem& fileSystem) : fileSystem_(fileSystem) {}
    bool Start(const std::string& commandLine, HostError& error) override;

  private:
    HostError FindProgram(const std::string& program, std::string& hostProgram);

    FileSystem& fileSystem_;
};

}  // namespace brenx::platform
