#pragma once

#include <string>

#include "platform/host_error.h"

namespace brenx::platform {

// The engine's way to start a command line without waiting for it; tests put
// a recording one in its place.
class ProcessStarter {
  public:
    virtual ~ProcessStarter() = default;
    // True when the program is running; false at once otherwise, with the reason.
    virtual bool Start(const std::string& commandLine, HostError& error) = 0;
};

// The starter for a file system other than the host's own: it has no drives
// to start programs with, so every start is refused.
class RefusingProcessStarter : public ProcessStarter {
  public:
    bool Start(const std::string&, HostError& error) override {
        error = HostError::NotSupported;
        return false;
    }
};

}  // namespace brenx::platform
