#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/completion.h"
#include "app/window_placement.h"

namespace brenx::run {
class Operator;
class StatusBoard;
}  // namespace brenx::run

namespace brenx::app {

// The greeting on the banner before the first job.
inline constexpr const char* kGreeting = "BRENX 2/18/2015: copies that prove themselves";

// One run of the program on this host: the file system with its drive table
// from the environment (BRENX_DRIVES, BRENX_UNC), the options from the
// arguments (the command line after the program's name), the environment,
// the program's directory and the start time, the log they name, the host's
// process start and clock; then the jobs. The front end supplies the
// operator and the board, and asks the program what its windows need before,
// during and after the run.
//
// Making a program loads the options, which may ask the operator questions
// (a job list's faults, a drive table that cannot be used).
class Program {
  public:
    Program(const std::vector<std::string>& arguments, run::Operator& op, run::StatusBoard& board);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Runs every job and the completion. A program runs once: a second call
    // runs nothing and returns how the first ended.
    RunEnd Run();
    // Run() has been called and has not returned yet.
    bool Running() const { return running_; }

    // The window placements kept in the placement file (setting `sizeini`):
    // see window_placement.h.
    bool LoadPlacement(ScreenSize screen, WindowPlacements& windows);
    bool SavePlacement(ScreenSize screen, const WindowPlacements& windows);

    // Opens the help page (setting `helphtm`).
    void OpenHelp();

    // Shows the throughput clock's figure when two seconds have passed since
    // it last did. The engine's polls keep it going while a job works; a
    // front end whose own timer ticks while a question waits calls this, so
    // the clock moves on then too. Reads the run's counts, runs nothing.
    void TickClock();

  private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
    bool running_ = false;
    bool ran_ = false;
    RunEnd end_;
};

// A whole run for a front end that needs nothing else from the program: the
// run's exit code.
std::int32_t RunProgram(const std::vector<std::string>& arguments, run::Operator& op,
                        run::StatusBoard& board);

}  // namespace brenx::app
