#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "options/option_load.h"
#include "platform/program_places.h"
#include "platform/temp_drives.h"
#include "support/environment_references.h"
#include "testkit/fake_tick_source.h"
#include "testkit/kit_file_system.h"
#include "testkit/recording_process_starter.h"
#include "testkit/recording_status_board.h"

namespace brenx::testkit {

// The start time every world's options are given, as "yymmddhhmm".
inline constexpr const char* kStamp = "2612061806";

// What every world stands on: temporary drives d: and e: (d: is the current
// directory), the kit's file system over them, an operator of the world's
// kind, a recording board and starter, a clock that moves only when the test
// (or a scripted operator's waits) moves it, an environment of the test's
// choosing, and the options made from the command line given. The options
// keep their built-in defaults until the world loads them.
template <typename Op>
class Stage {
  public:
    template <typename... OperatorArgs>
    Stage(std::vector<std::string> arguments, platform::ProgramPlaces programPlaces,
          OperatorArgs&&... operatorArgs)
        : fs(drives.Fs()),
          op(std::forward<OperatorArgs>(operatorArgs)...),
          places(std::move(programPlaces)),
          options(fs, op, Inputs(std::move(arguments))) {
        drives.Fs().SetCurrentDirectory("d:\\");
        if constexpr (requires { op.AttachClock(ticks); }) op.AttachClock(ticks);
    }
    Stage(const Stage&) = delete;
    Stage& operator=(const Stage&) = delete;

    options::JobSettings& Settings() { return options.Settings(); }

    // The environment as the program looks it up: what `environment` holds
    // when it asks.
    support::EnvironmentLookup Environment() const {
        return [this](const std::string& name) {
            const auto found = environment.find(name);
            return found == environment.end() ? std::string() : found->second;
        };
    }
    // The inputs of an option load over this stage, with these arguments.
    options::OptionInputs Inputs(std::vector<std::string> arguments) const {
        return options::OptionInputs{std::move(arguments), Environment(), places, kStamp};
    }

    // Writes a file under the temporary root ("e/dir/a.txt" is e:\dir\a.txt),
    // making its directories.
    void Put(const std::string& relative, const std::string& content) {
        std::filesystem::create_directories(
            std::filesystem::path(drives.Host(relative)).parent_path());
        drives.Write(relative, content);
    }

    platform::testing::TempDrives drives;
    KitFileSystem fs;
    Op op;
    RecordingStatusBoard board;
    RecordingProcessStarter starter;
    FakeTickSource ticks;
    std::map<std::string, std::string> environment;
    platform::ProgramPlaces places;
    options::OptionLoad options;
};

}  // namespace brenx::testkit
