#pragma once

#include <string>
#include <vector>

#include "platform/process_starter.h"

namespace brenx::testkit {

// Records the command lines it is asked to start; starts nothing. Each start
// succeeds unless `succeed` is cleared.
class RecordingProcessStarter : public platform::ProcessStarter {
  public:
    bool Start(const std::string& commandLine, platform::HostError& error) override {
        started.push_back(commandLine);
        error = succeed ? platform::HostError::None : platform::HostError::NotFound;
        return succeed;
    }

    bool succeed = true;
    std::vector<std::string> started;
};

}  // namespace brenx::testkit
