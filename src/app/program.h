#pragma once

#include <cstdint>
#include <string>
#include <vector>

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
// operator and the board. Returns the run's exit code.
std::int32_t RunProgram(const std::vector<std::string>& arguments, run::Operator& op,
                        run::StatusBoard& board);

}  // namespace brenx::app
