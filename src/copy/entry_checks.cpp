#include "copy/entry_checks.h"

#include "options/log_file.h"
#include "platform/directory_search.h"
#include "run/exit_codes.h"
#include "run/messages.h"
#include "run/run_state.h"
#include "support/safe_format.h"

namespace brenx::copy {
namespace {

bool HasControlCharacter(const std::string& name) {
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 32) return true;
    }
    return false;
}

std::string DisplayName(std::string name) {
    for (char& c : name) {
        if (static_cast<unsigned char>(c) < 32) c = '?';
    }
    return name;
}

}  // namespace

ScrewyAnswer CheckEntry(run::RunState& run, const std::string& directory,
                        const platform::SearchEntry& entry, std::int64_t size) {
    if (size >= 0 && !entry.strange && !HasControlCharacter(entry.name)) {
        return ScrewyAnswer::NotScrewy;
    }
    const bool giveUp = run::ConfirmMessage(
        run, "something screwy about \"%s%s\"; not processing; abruptly give-up?",
        {directory, DisplayName(entry.name)}, true);
    return giveUp ? ScrewyAnswer::GiveUp : ScrewyAnswer::PassOver;
}

void GiveUpAtScrewyName(run::RunState& run) {
    if (run.exitCode == 0) {
        run.exitCode = run::kExitGaveUp;
        run.failureReason = "User cancelled";
    }
    run.flags.gaveUp = true;
    run.flags.stopRequested = true;
    run.flags.closeAllowed = true;
}

bool SearchEndedCleanly(run::RunState& run, const std::string& directory,
                        platform::HostError error) {
    if (platform::SearchEndedCleanly(error)) return true;
    run.Log().Write(support::SafeFormat("Couldn't read the directory %s (%s)",
                                        {directory, platform::HostErrorText(error)}));
    return false;
}

}  // namespace brenx::copy
