#pragma once

#include <string>

#include "platform/host_error.h"

namespace brenx::platform {

// Why a host call failed, in a few plain words for the second line of a
// question or a log entry about a file ("no space left on the medium"). Empty
// for None. An error that has no kind of its own gets the host's own words
// for its number ("Stale file handle").
std::string HostErrorReason(HostError error);

// The host's own words for one of its error numbers (HostNumberOf); each back
// end asks its C library or system for them.
std::string HostNumberWords(int hostNumber);

}  // namespace brenx::platform
