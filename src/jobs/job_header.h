#pragma once

#include <string>
#include <string_view>

#include "support/date_stamp.h"

namespace brenx::run {
class RunState;
}

namespace brenx::jobs {

// The date and time of a job header, the host's local time now, as
// "2026-12-08 04:41:53" (support::FormatDateTime).
std::string HeaderTimeNow();

// Starts a job's part of the log: the separator line of 56 "=", then the two
// lines given, written as one entry.
void WriteJobHeader(run::RunState& run, std::string_view second, std::string_view third);

// The settings file in use, as job headers name it.
const std::string& SettingsFilePath(run::RunState& run);

}  // namespace brenx::jobs
