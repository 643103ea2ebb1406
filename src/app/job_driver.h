#pragma once

#include <cstdint>
#include <string>

#include "app/completion.h"
#include "jobs/destination_flush.h"
#include "options/spec_file_reader.h"

namespace brenx::run {
class RunState;
}

namespace brenx::app {

// The job driver: prepares and dispatches one job, or every job of an "@"
// spec file, then ends the run (the summary, the CRC log copy, tidy).
class JobDriver {
  public:
    explicit JobDriver(run::RunState& run);

    // Runs the whole run, the completion included.
    RunEnd RunJobs();

    // Before each job. The first time it loads the options and sets up what
    // holds for the whole run (wait and eject thresholds, the verify root, the
    // alarm sound); every time it clears the stop flags and rebuilds the
    // option echo.
    void PrepareJob();
    // Runs the job that the settings describe; true when the exit code is 0.
    bool DispatchJob();

  private:
    void StartRun();
    void TellSettingsWarning(const std::string& warning);
    void RunSpecJobs();
    void TakeSpecFailure(const options::SpecStep& step);

    run::RunState& run_;
    options::SpecFileReader specReader_;
    jobs::DestinationFlush flush_;
    bool started_ = false;
};

}  // namespace brenx::app
