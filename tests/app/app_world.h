#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/job_driver.h"
#include "options/log_file.h"
#include "options/option_load.h"
#include "platform/temp_drives.h"
#include "run/run_state.h"
#include "testkit/fake_tick_source.h"
#include "testkit/kit_file_system.h"
#include "testkit/recording_process_starter.h"
#include "testkit/recording_status_board.h"
#include "testkit/scripted_run_operator.h"

namespace brenx::app::testing {

using AppFileSystem = testkit::KitFileSystem;
using testkit::NoEnvironment;

// A whole run over temporary drives d: and e: with the command line given:
// the source tree d:\src\ (a.txt and sub\b.txt), the program's directory
// d:\prog, d: the current directory, a scripted operator, a recording board
// and starter, and a clock that moves only with the operator's waits. The
// options are loaded at once, so a test can change them before Run().
class AppWorld {
  public:
    // `prepare` writes what the option load is to find (a settings file, say).
    explicit AppWorld(std::vector<std::string> arguments,
                      std::function<void(platform::testing::TempDrives&)> prepare = {})
        : fs(drives.Fs()),
          options(fs, op,
                  options::OptionInputs{std::move(arguments), NoEnvironment, "d:\\prog",
                                        "2612061806"}) {
        drives.Fs().SetCurrentDirectory("d:\\");
        op.AttachClock(ticks);
        std::filesystem::create_directories(drives.Host("d/src/sub"));
        std::filesystem::create_directories(drives.Host("d/prog"));
        drives.Write("d/src/a.txt", "alpha");
        drives.Write("d/src/sub/b.txt", "beta");
        if (prepare) prepare(drives);
        options.LoadJobSettings();
    }

    options::JobSettings& Settings() { return options.Settings(); }

    // Makes the log and the run state from the options as they are now.
    run::RunState& MakeRun() {
        if (!run) {
            log.emplace(fs, options.Settings().log);
            run.emplace(run::RunParts{options, fs, *log, op, board, starter, ticks});
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

    platform::testing::TempDrives drives;
    AppFileSystem fs;
    testkit::ScriptedRunOperator op;
    testkit::RecordingStatusBoard board;
    testkit::RecordingProcessStarter starter;
    testkit::FakeTickSource ticks;
    options::OptionLoad options;
    std::optional<options::Log> log;
    std::optional<run::RunState> run;
    std::optional<JobDriver> driver;
};

// The screen-saver note of the start questions.
inline const std::string kStartNote =
    "\r\n(you might consider disabling screen savers, Tiny Elvis, whatever; Adaptec DirectCD "
    "CDR file writer might explode because of them, or then again it might've been moon "
    "phase...)";

}  // namespace brenx::app::testing
