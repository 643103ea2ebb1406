#pragma once

#include <string>
#include <string_view>

#include "options/job_settings.h"

// The option-driven tests that the tree walk makes when a file is passed over
// or fails to copy.
namespace brenx::options {

// The wording of the date rule in skip messages and log lines:
// "Dif_datetime" with DifferentOnly, else "older than or same date" when
// `olderOrSame` is asked for, else "NewerOnly".
std::string NewerRuleLabel(const JobSettings& settings, bool olderOrSame);

// True when any character of cant_skip occurs in the file name (characters,
// not bytes: a multi-byte character matches only itself).
bool IsCantSkipName(const JobSettings& settings, std::string_view name);

}  // namespace brenx::options
