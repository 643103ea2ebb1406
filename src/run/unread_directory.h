#pragma once

#include <string>

#include "platform/host_error.h"

namespace brenx::run {

class RunState;

// Whether a directory search ended cleanly: it found nothing, or listed
// every entry. A directory that could not be read (or stopped being
// readable) holds files the walk never saw: the log says so ("Couldn't read
// the directory %s (why)"), and the walk fails rather than report success.
bool SearchEndedCleanly(RunState& run, const std::string& directory, platform::HostError error);

}  // namespace brenx::run
