#pragma once

#include <initializer_list>
#include <string_view>

#include "support/safe_format.h"

namespace brenx::run {

class RunState;

// Whether the start question asks for the screen-saver note.
enum class StartNote { Without, With };

// The start question of a job, put once per run of the program: later jobs,
// and every job under noprompt, start without it. With AlwaysConfirm off the
// first job starts unasked too (and the throughput clock waits for a later
// job). A yes starts the throughput clock; a no ends the job with exit code
// 17 ("User cancelled"). True when the job must not start.
bool ConfirmStart(RunState& run, StartNote note, std::string_view format,
                  std::initializer_list<support::FormatArg> args = {});

}  // namespace brenx::run
