#include "jobs/verify_counts.h"

#include "run/media_note.h"
#include "run/run_state.h"
#include "run/show_status.h"
#include "support/number_text.h"
#include "support/safe_format.h"

namespace brenx::jobs {

void ShowVerifyCounts(run::RunState& run) {
    const run::RunCounters& counters = run.counters;
    run::ShowStatus(run,
                    support::SafeFormat(
                        "#%s %s %s bytes (%s%s crc errors)",
                        {support::GroupedNumber(counters.fileCount), run::kStatusDash,
                         support::GroupedNumber(counters.byteCount), run::MediaNote(run, "%s; "),
                         support::GroupedNumber(counters.crcErrors)}));
}

}  // namespace brenx::jobs
