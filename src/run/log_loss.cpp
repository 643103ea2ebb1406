#include "run/log_loss.h"

#include "options/log_file.h"
#include "platform/host_error.h"
#include "run/messages.h"
#include "run/run_state.h"
#include "support/safe_format.h"

namespace brenx::run {

std::string LogLossSummary(const options::Log& log) {
    const std::int64_t lost = log.FailedEntries();
    if (lost <= 0) return std::string();
    const std::string why = platform::HostErrorText(log.LastFailure());
    const char* format = lost == 1 ? "%d log entry could not be written to %s (%s). "
                                     "The log is incomplete: a file whose CRC line is "
                                     "missing cannot be verified against it."
                                   : "%d log entries could not be written to %s (%s). "
                                     "The log is incomplete: a file whose CRC line is "
                                     "missing cannot be verified against it.";
    return support::SafeFormat(format, {lost, log.Path(), why});
}

bool ReportLogLoss(RunState& run) {
    if (run.flags.logLossReported) return false;
    const std::string summary = LogLossSummary(run.Log());
    if (summary.empty()) return false;
    run.flags.logLossReported = true;
    ErrorMessage(run, "%s", {summary});
    return true;
}

}  // namespace brenx::run
