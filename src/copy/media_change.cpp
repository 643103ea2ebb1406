#include "copy/media_change.h"

#include "options/job_settings.h"
#include "options/log_file.h"
#include "run/run_state.h"

namespace brenx::copy {

void MarkMediaChange(run::RunState& run) {
    run.Log().Write(run.Settings().crc ? "|:Changed Media" : "Changed Media");
}

void TakeNewMedia(run::RunState& run) {
    run.copySession.destinationDirPending = true;
    run.counters.cdByteCount = 0;
    run.copySession.nextWaitAt = run.Settings().RandomWait;
    MarkMediaChange(run);
}

}  // namespace brenx::copy
