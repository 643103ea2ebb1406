#pragma once

#include <functional>
#include <initializer_list>
#include <string_view>

#include "support/safe_format.h"

namespace brenx::jobs {

// The start question of a job, which belongs to the job driver: it is put at
// most once per run, and a cancel there sets the exit code and the failure
// reason. The driver hands it to the jobs that ask it themselves (verify).
// Called with whether to add the screen-saver note, the question's format and
// its arguments; true when the operator declined and the job must not start.
using ConfirmStartCall = std::function<bool(bool addNote, std::string_view format,
                                            std::initializer_list<support::FormatArg> args)>;

}  // namespace brenx::jobs
