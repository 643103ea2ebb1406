#include "run/screwy_entry.h"

#include <algorithm>

#include "options/log_file.h"
#include "platform/directory_search.h"
#include "run/exit_codes.h"
#include "run/messages.h"
#include "run/run_state.h"
#include "support/safe_format.h"

namespace brenx::run {
namespace {

bool IsControlCharacter(char c) {
    return static_cast<unsigned char>(c) < 32;
}

bool Holds(const std::string& name, char c) {
    return name.find(c) != std::string::npos;
}

// What is screwy about the entry, for the log; empty when nothing is.
std::string WhatIsScrewy(const platform::SearchEntry& entry) {
    const std::string& name = entry.name;
    if (std::any_of(name.begin(), name.end(), IsControlCharacter)) {
        return "a control character in its name";
    }
    if (Holds(name, '\\')) return "a backslash in its name";
    if (Holds(name, '|')) return "a \"|\" in its name, which a CRC log can't carry";
    if (platform::SearchRecordSize(entry) < 0) return "a negative size";
    if (entry.strange) return "a name the system can't take in a path";
    return {};
}

std::string DisplayName(std::string name) {
    std::replace_if(name.begin(), name.end(), IsControlCharacter, '?');
    return name;
}

}  // namespace

ScrewyAnswer CheckEntry(RunState& run, const std::string& directory,
                        const platform::SearchEntry& entry) {
    const std::string screwy = WhatIsScrewy(entry);
    if (screwy.empty()) return ScrewyAnswer::NotScrewy;
    const std::string shown = DisplayName(entry.name);
    if (ConfirmMessage(run, "something screwy about \"%s%s\"; not processing; abruptly give-up?",
                       {directory, shown}, true)) {
        return ScrewyAnswer::GiveUp;
    }
    run.Log().Write(support::SafeFormat("Passed over \"%s%s\": %s", {directory, shown, screwy}));
    run.counters.passedOver += 1;
    return ScrewyAnswer::PassOver;
}

void GiveUpAtScrewyName(RunState& run) {
    run.verdict.Fail(kExitGaveUp, "User cancelled");
    run.flags.gaveUp = true;
    run.flags.stopRequested = true;
    run.flags.closeAllowed = true;
}

}  // namespace brenx::run
