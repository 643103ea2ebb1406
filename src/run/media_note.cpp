#include "run/media_note.h"

#include "run/run_state.h"
#include "support/number_text.h"
#include "support/safe_format.h"

namespace brenx::run {

std::string MediaNote(const RunState& run, std::string_view pattern) {
    const RunCounters& counters = run.counters;
    if (counters.cdByteCount == counters.byteCount) return std::string();
    return support::SafeFormat(pattern, {support::GroupedNumber(counters.cdByteCount)});
}

}  // namespace brenx::run
