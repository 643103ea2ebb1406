#pragma once

#include <cstdint>
#include <string>

#include "platform/host_error.h"

namespace brenx::platform {
struct SearchEntry;
}
namespace brenx::run {
class RunState;
}

namespace brenx::copy {

// What to do with a directory entry that fails the sanity check.
enum class ScrewyAnswer { NotScrewy, PassOver, GiveUp };

// The sanity check of an entry: a name that cannot stand in a Windows path
// (the host marks it strange: a backslash, or a character below 32), or a
// negative size. Such an entry is not processed; the operator is asked
// "something screwy about "DIR NAME"; not processing; abruptly give-up?"
// with the alarm, each character below 32 shown as "?". No passes the entry
// over; yes gives the run up (see GiveUpAtScrewyName).
ScrewyAnswer CheckEntry(run::RunState& run, const std::string& directory,
                        const platform::SearchEntry& entry, std::int64_t size);

// The operator gave up at a screwy name: the run ends as after "Give up
// now?" (exit code 2 unless the run had already failed, and every loop stops
// at its next poll), so that a run given up never ends with exit code 0.
void GiveUpAtScrewyName(run::RunState& run);

// Whether a directory search ended cleanly: it found nothing, or listed
// every entry. A directory that could not be read (or stopped being
// readable) is logged ("Couldn't read the directory %s (why)"): its files
// were not copied, so the walk fails rather than report success.
bool SearchEndedCleanly(run::RunState& run, const std::string& directory,
                        platform::HostError error);

}  // namespace brenx::copy
