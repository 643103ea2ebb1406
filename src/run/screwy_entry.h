#pragma once

#include <string>

namespace brenx::platform {
struct SearchEntry;
}

namespace brenx::run {

class RunState;

// What to do with a directory entry that fails the sanity check.
enum class ScrewyAnswer { NotScrewy, PassOver, GiveUp };

// The sanity check of every entry a walk is about to take: a name that
// cannot stand in a Windows path (the host marks it strange: a backslash, or
// a character below 32), a name with "|" (a CRC line could not carry it: its
// reader takes the name up to the second bar), or a negative size. Such an
// entry is not processed; the operator is asked "something screwy about
// "DIR NAME"; not processing; abruptly give-up?" with the alarm, each
// character below 32 shown as "?". No, or a question that answers itself,
// passes the entry over: the log says which entry and why ("Passed over ..."),
// and the run counts it for its summary. Yes gives the run up (see
// GiveUpAtScrewyName).
ScrewyAnswer CheckEntry(RunState& run, const std::string& directory,
                        const platform::SearchEntry& entry);

// The operator gave up at a screwy name: the run ends as after "Give up
// now?" (exit code 2 unless the run had already failed, and every loop stops
// at its next poll), so that a run given up never ends with exit code 0.
void GiveUpAtScrewyName(RunState& run);

}  // namespace brenx::run
