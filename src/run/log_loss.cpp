#include "run/log_loss.h"

#include "options/log_file.h"
#include "platform/host_reason.h"
#include "run/exit_codes.h"
#include "run/messages.h"
#include "run/run_state.h"
#include "support/safe_format.h"

namespace brenx::run {

std::string LogLossSummary(const options::Log& log) {
    const std::int64_t lost = log.FailedEntries();
    if (lost <= 0) return std::string();
    const std::string why = platform::HostErrorReason(log.LastFailure());
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

void CheckLogBeforeBanner(RunState& run) {
    options::Log& log = run.Log();
    log.Close();
    ReportLogLoss(run);
    const std::int64_t lost = log.LostCrcLines();
    if (lost <= 0 || run.verdict.Failed()) return;
    run.verdict.Fail(kExitCrcLinesLost,
                     support::SafeFormat(
                         lost == 1 ? "the CRC line of %d copied file couldn't be written to %s"
                                   : "the CRC lines of %d copied files couldn't be written to %s",
                         {lost, log.Path()}));
}

}  // namespace brenx::run
