#pragma once

#include <string>

namespace brenx::options {
class Log;
}

namespace brenx::run {

class RunState;

// The sentence that tells the operator how many log entries were lost and
// where; empty when none was.
std::string LogLossSummary(const options::Log& log);

// Shows the summary once per run as an error (a lost CRC line is a copy
// without its proof). True when it was shown now.
bool ReportLogLoss(RunState& run);

// Before the run's banner: lets go of the log (a close that fails loses
// what it held), tells the operator once what was lost, and fails a run that
// lost any CRC line with exit code 23 (a run that failed already keeps its
// own code): its log no longer proves every copy.
void CheckLogBeforeBanner(RunState& run);

}  // namespace brenx::run
