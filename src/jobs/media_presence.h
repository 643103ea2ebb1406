#pragma once

#include <cstdint>
#include <string_view>

namespace brenx::run {
class RunState;
}

namespace brenx::jobs {

// Waits until the run's destinationRoot can be entered (it then stays the
// current directory), asking the operator for the `side` ("source" or
// "destination") media meanwhile. False, the run failed with `exitCode`, when the
// operator gives up.
bool MediaPresent(run::RunState& run, std::string_view side, std::int32_t exitCode);

}  // namespace brenx::jobs
