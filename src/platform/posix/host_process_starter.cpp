#include "platform/posix/host_process_starter.h"

#include "platform/posix/posix_file_system.h"
#include "platform/posix/process_start.h"

namespace brenx::platform {

// Programs start in the program's current directory, which the process
// itself never enters.
bool HostProcessStarter::Start(const std::string& commandLine, HostError& error) {
    std::string workingDirectory;
    if (!fileSystem_.WorkingDirectoryForPrograms(workingDirectory)) {
        error = fileSystem_.LastError();
        return false;
    }
    return StartCommandLine(commandLine, fileSystem_.Drives(), fileSystem_.CurrentDirectory(),
                            error, workingDirectory);
}

}  // namespace brenx::platform
