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

}  // namespace brenx::platform
