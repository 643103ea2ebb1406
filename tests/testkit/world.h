#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "options/log_file.h"
#include "options/option_load.h"
#include "platform/temp_drives.h"
#include "run/run_state.h"
#include "testkit/fake_tick_source.h"
#include "testkit/kit_file_system.h"
#include "testkit/recording_process_starter.h"
#include "testkit/recording_status_board.h"
#include "testkit/scripted_run_operator.h"

namespace brenx::testkit {

// A run over temporary drives d: and e: (d: is the current directory): the
// kit's file system over them, the log at d:\run.log, a scripted operator, a
// recording board and starter, and a clock that moves only with the
// operator's waits. The options keep their built-in defaults; tests set what
// they need in Settings(). Every layer's world is this one, with what its
// layer adds.
class World {
  public:
    explicit World(std::string programDirectory = "e:\\")
        : fs(drives.Fs()),
          options(
              fs, op,
              options::OptionInputs{{}, NoEnvironment, std::move(programDirectory), "2612061806"}),
          log(fs, "d:\\run.log"),
          run(run::RunParts{options, fs, log, op, board, starter, ticks}) {
        drives.Fs().SetCurrentDirectory("d:\\");
        op.AttachClock(ticks);
    }

    options::JobSettings& Settings() { return options.Settings(); }
    std::string LogText() const { return drives.Read("d/run.log"); }
    // The log's entries, one per CR LF.
    std::vector<std::string> LogLines() const {
        std::vector<std::string> lines;
        const std::string text = LogText();
        std::size_t start = 0;
        for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos;) {
            lines.push_back(text.substr(start, end - start));
            start = end + 2;
        }
        return lines;
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
    ScriptedRunOperator op;
    RecordingStatusBoard board;
    RecordingProcessStarter starter;
    FakeTickSource ticks;
    options::OptionLoad options;
    options::Log log;
    run::RunState run;
};

}  // namespace brenx::testkit
