#include "run/confirm_start.h"

#include <string>

#include "options/job_settings.h"
#include "run/exit_codes.h"
#include "run/messages.h"
#include "run/run_state.h"
#include "run/throughput_clock.h"

namespace brenx::run {
namespace {

std::string NoteText(StartNote note) {
    if (note == StartNote::Without) return std::string();
    return std::string(support::kLineBreak) +
           "(you might consider disabling screen savers, "
           "Tiny Elvis, whatever; Adaptec DirectCD CDR file writer might "
           "explode because of them, or then again it "
           "might've been moon phase...)";
}

}  // namespace

bool ConfirmStart(RunState& run, StartNote note, std::string_view format,
                  std::initializer_list<support::FormatArg> args) {
    const options::JobSettings& settings = run.Settings();
    if (run.flags.askedOnce || settings.noprompt) {
        StartThroughputClock(run);
        return false;
    }
    run.flags.askedOnce = true;
    if (!settings.AlwaysConfirm) return false;
    const std::string question = support::SafeFormat(format, args);
    if (ConfirmMessage(run, "%s%s", {question, NoteText(note)}, false)) {
        StartThroughputClock(run);
        return false;
    }
    run.verdict.Fail(kExitUserCancelled, "User cancelled");
    return true;
}

}  // namespace brenx::run
