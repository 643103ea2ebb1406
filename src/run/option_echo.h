#pragma once

#include <cstdint>
#include <string>

#include "run/status_board.h"

namespace brenx::options {
struct JobSettings;
}

namespace brenx::run {

class RunState;
struct EchoKeys;

// What the option echo shows beside the job settings.
struct EchoFacts {
    bool waitingForStartFile = false;
    const EchoKeys* keys = nullptr;  // none: no key cells
    std::int32_t autoSkips = 0;
    std::string section;  // the settings-file section in use
};

// The job's notable options, as cells filled row by row in a fixed order.
// With more than fifteen the position wraps, so a sixteenth entry overwrites
// the first.
OptionEchoCells BuildOptionEcho(const options::JobSettings& settings, const EchoFacts& facts);

// Rebuilds the option echo from the current settings and shows it.
void ShowOptionEcho(RunState& run);

}  // namespace brenx::run
