#include "platform/process_starter.h"

#include "platform/posix_file_system.h"
#include "platform/process_start.h"

namespace brenx::platform {

bool HostProcessStarter::Start(const std::string& commandLine, HostError& error) {
    return StartCommandLine(commandLine, fileSystem_.Drives(), fileSystem_.CurrentDirectory(),
                            error);
}

}  // namespace brenx::platform
