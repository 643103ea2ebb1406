#include "copy/source_change.h"

#include "copy/copy_date.h"
#include "options/log_file.h"
#include "run/run_state.h"
#include "support/safe_format.h"

namespace brenx::copy {

CopyOutcome CheckSourceUnchanged(run::RunState& run, const std::string& source,
                                 platform::FileHandle& handle, const platform::FileStatus& before,
                                 std::int64_t bytes, bool dataRead) {
    platform::FileStatus after;
    if (!handle.GetStatus(after)) {
        return CopyFailed(kCopyBroken, CopyStage::ReadSource, handle.LastError());
    }
    const bool finelyKnown = before.writtenAt >= 0 && after.writtenAt >= 0;
    const bool same = after.size == before.size && after.date == before.date &&
                      (!finelyKnown || after.writtenAt == before.writtenAt) &&
                      (!dataRead || bytes == after.size);
    if (same) return CopyOutcome{};
    run.Log().Write(support::SafeFormat(
        "Source %s changed while it was copied: %d bytes dated %s before, %d bytes dated %s "
        "after; %d bytes copied",
        {source, before.size, DosDateText(before.date), after.size, DosDateText(after.date),
         bytes}));
    run.counters.changedSources += 1;
    return CopyOutcome{};
}

}  // namespace brenx::copy
