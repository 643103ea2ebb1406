#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/process_starter.h"

namespace brenx::testkit {

// Records the command lines it is asked to start and does what the test
// says: succeed (the default), fail (`succeed` cleared), or run something of
// its own (`onStart`).
class RecordingProcessStarter : public platform::ProcessStarter {
  public:
    bool Start(const std::string& commandLine, platform::HostError& error) override {
        started.push_back(commandLine);
        if (onStart) return onStart(commandLine, error);
        error = succeed ? platform::HostError::None : platform::HostError::NotFound;
        return succeed;
    }

    bool succeed = true;
    std::function<bool(const std::string&, platform::HostError&)> onStart;
    std::vector<std::string> started;
};

}  // namespace brenx::testkit
