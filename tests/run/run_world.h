#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "options/log_file.h"
#include "options/option_load.h"
#include "platform/temp_drives.h"
#include "run/run_state.h"
#include "testkit/fake_tick_source.h"
#include "testkit/faulty_file_system.h"
#include "testkit/recording_process_starter.h"
#include "testkit/recording_status_board.h"
#include "testkit/scripted_run_operator.h"

namespace brenx::run::testing {

// A run over temporary drives d: and e: (d: is the current directory), with
// a file system that can be made to fail, the log at d:\run.log, a scripted
// operator, a recording board and starter, and a clock that moves only with
// the operator's waits. The options keep their built-in defaults; tests set
// what they need in Settings().
// The temporary drives' file system, made to fail at will, whose free space
// can be set to a figure of the test's choosing.
class WorldFileSystem : public platform::FaultyFileSystem {
  public:
    using platform::FaultyFileSystem::FaultyFileSystem;
    std::int64_t FreeBytesAvailable(const std::string& path) override {
        freeSpaceAsked.push_back(path);
        const std::int64_t measured = platform::FaultyFileSystem::FreeBytesAvailable(path);
        return fixedFree && measured >= 0 ? *fixedFree : measured;
    }
    std::optional<std::int64_t> fixedFree;
    std::vector<std::string> freeSpaceAsked;
};

inline std::string NoEnvironment(const std::string&) {
    return {};
}

class RunWorld {
  public:
    RunWorld()
        : fs(drives.Fs()),
          options(fs, op, options::OptionInputs{{}, NoEnvironment, "e:\\", "2612061806"}),
          log(fs, "d:\\run.log"),
          run(RunParts{options, fs, log, op, board, starter, ticks}) {
        drives.Fs().SetCurrentDirectory("d:\\");
        op.AttachClock(ticks);
    }

    options::JobSettings& Settings() { return options.Settings(); }
    std::string LogText() const { return drives.Read("d/run.log"); }

    platform::testing::TempDrives drives;
    WorldFileSystem fs;
    testkit::ScriptedRunOperator op;
    testkit::RecordingStatusBoard board;
    testkit::RecordingProcessStarter starter;
    testkit::FakeTickSource ticks;
    options::OptionLoad options;
    options::Log log;
    RunState run;
};

}  // namespace brenx::run::testing
