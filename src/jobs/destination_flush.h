#pragma once

#include <string>
#include <vector>

namespace brenx::run {
class RunState;
}

namespace brenx::jobs {

// The destinations the run's copy jobs copied files to. Each is flushed onto its
// medium before the run says it is finished, so that media taken out after
// the banner hold everything the log says they hold. A failed run flushes
// too (what it copied is good); its verdict keeps the failure it had.
class DestinationFlush {
  public:
    void Remember(const std::string& destination);

    // Flushes each destination remembered since the last call. False when a
    // flush failed: that was logged and told, and a run that had not failed
    // yet ends with exit code 22.
    bool FlushAll(run::RunState& run);

  private:
    std::vector<std::string> pending_;
};

}  // namespace brenx::jobs
