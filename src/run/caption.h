#pragma once

#include <initializer_list>
#include <string_view>

#include "support/safe_format.h"

namespace brenx::run {

class RunState;

// The build tag shown after the version date.
inline constexpr const char* kBuildTag = "xy";

// Sets the caption line: the job label, the program and its version, and the
// message, e.g. "Copy: BRENX 2/18/2015:xy. drive e:\ has 1,000 bytes free".
void ShowCaption(RunState& run, std::string_view format,
                 std::initializer_list<support::FormatArg> args = {});

}  // namespace brenx::run
