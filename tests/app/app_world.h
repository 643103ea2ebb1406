#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/job_driver.h"
#include "testkit/scripted_run_operator.h"
#include "testkit/world.h"

namespace brenx::app::testing {

// A whole run through the job driver on the kit's stage: the world loads the
// options from its command line (and what it wrote first), and the log they
// name, the run state and the driver are made when first asked for, so that
// a test can change the options before the run.
template <typename Op>
class WholeRun : public testkit::Stage<Op> {
  public:
    using testkit::Stage<Op>::Stage;

    // Makes the log and the run state from the options as they are now.
    run::RunState& MakeRun() {
        if (!run) {
            log.emplace(this->fs, this->Settings().log);
            run.emplace(testkit::PartsOf(*this, *log));
            driver.emplace(*run);
        }
        return *run;
    }
    // The whole run; its exit code.
    std::int32_t Run() { return RunToEnd().exitCode; }
    RunEnd RunToEnd() {
        MakeRun();
        return driver->RunJobs();
    }

    std::optional<options::Log> log;
    std::optional<run::RunState> run;
    std::optional<JobDriver> driver;
};

// A whole run with the command line given and a scripted operator: the
// source tree d:\src\ (a.txt and sub\b.txt) and the program's directory
// d:\prog.
class AppWorld : public WholeRun<testkit::ScriptedRunOperator> {
  public:
    // `prepare` writes what the option load is to find (a settings file, say).
    explicit AppWorld(std::vector<std::string> arguments,
                      std::function<void(platform::testing::TempDrives&)> prepare = {})
        : WholeRun(std::move(arguments), "d:\\prog") {
        std::filesystem::create_directories(drives.Host("d/prog"));
        Put("d/src/a.txt", "alpha");
        Put("d/src/sub/b.txt", "beta");
        if (prepare) prepare(drives);
        options.LoadJobSettings();
    }
};

// The screen-saver note of the start questions.
inline const std::string kStartNote =
    "\r\n(you might consider disabling screen savers, Tiny Elvis, whatever; Adaptec DirectCD "
    "CDR file writer might explode because of them, or then again it might've been moon "
    "phase...)";

}  // namespace brenx::app::testing
