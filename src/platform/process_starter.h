#pragma once

#include <string>

#include "platform/host_error.h"

namespace brenx::platform {

class PosixFileSystem;

// The engine's way to start a command line without waiting for it; tests put
// a recording one in its place.
class ProcessStarter {
  public:
    virtual ~ProcessStarter() = default;
    // True when the program is running; false at once otherwise, with the reason.
    virtual bool Start(const std::string& commandLine, HostError& error) = 0;
};

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
