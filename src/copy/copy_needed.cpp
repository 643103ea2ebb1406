#include "copy/copy_needed.h"

#include "options/job_settings.h"
#include "platform/file_system.h"
#include "run/run_state.h"

namespace brenx::copy {

bool IsCopyNeeded(run::RunState& run, const std::string& source, const std::string& destination) {
    const options::JobSettings& settings = run.Settings();
    if (!settings.NewerOnly && !settings.DifferentOnly) return true;
    const platform::DosDateTime destinationDate = run.Fs().GetFileDate(destination);
    if (destinationDate == platform::kNoDosDateTime) return true;
    const platform::DosDateTime sourceDate = run.Fs().GetFileDate(source);
    if (sourceDate == platform::kNoDosDateTime) return true;
    if (settings.NewerOnly) return destinationDate < sourceDate;
    return destinationDate != sourceDate;
}

}  // namespace brenx::copy
