#pragma once

#include <string>

#include "platform/host_error.h"
#include "platform/posix/posix_file_system.h"
#include "platform/process_starter.h"

namespace brenx::platform {

// Starts command lines on this host (StartCommandLine), with the drive table
// of the given file system, in its current directory.
class HostProcessStarter : public ProcessStarter {
  public:
    explicit HostProcessStarter(PosixFileSystem& fileSystem) : fileSystem_(fileSystem) {}
    bool Start(const std::string& commandLine, HostError& error) override;

  private:
    PosixFileSystem& fileSystem_;
};

}  // namespace brenx::platform
