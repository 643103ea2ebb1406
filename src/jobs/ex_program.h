#pragma once

#include <cstddef>
#include <string>

namespace brenx::run {
class RunState;
}

namespace brenx::jobs {

// The longest command line the execution job starts.
inline constexpr std::size_t kMaxCommandLength = 127;
// How often the flag file is looked for while the program runs.
inline constexpr int kFlagPollMilliseconds = 1500;

// The command line of the execution job: the program and the source, each
// quoted (short forms with `pshort`), each followed by a blank (the second
// stands where a destination would), then " -r" with `recurse` and " -a"
// with `arconly`. The destination is never passed.
std::string ProgramCommand(run::RunState& run);

// The execution job: creates the flag file (`pflag`), starts the program
// without waiting and waits, looking every 1.5 s, until the program signals
// its end by deleting the flag file. True when the program was started and
// has finished; false when the command is too long (exit code 5), the
// program cannot be started (6) or the operator stopped the wait.
bool ExProgram(run::RunState& run);

}  // namespace brenx::jobs
