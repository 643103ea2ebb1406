#include "run/file_progress.h"

#include "run/run_state.h"
#include "run/status_board.h"
#include "run/tick_source.h"
#include "support/number_text.h"

namespace brenx::run {

bool FileProgressDue(RunState& run) {
    return run.counters.fileBytesRead > kFileProgressThreshold &&
           run.pace.progress.Due(run.Ticks().Milliseconds());
}

void ShowFileProgress(RunState& run) {
    const RunCounters& counters = run.counters;
    run.Board().SetText(BoardText::FreeSpace, support::GroupedNumber(counters.fileBytesRead) + "/" +
                                                  support::GroupedNumber(counters.fileSize));
}

}  // namespace brenx::run
