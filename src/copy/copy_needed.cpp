#include "copy/copy_needed.h"

#include "options/job_settings.h"
#include "platform/file_system.h"
#include "run/run_state.h"

namespace brenx::copy {

bool IsCopyNeededByDates(const options::JobSettings& settings, platform::DosDateTime source,
                         platform::DosDateTime destination) {
    if (destination == platform::kNoDosDateTime || source == platform::kNoDosDateTime) return true;
    if (settings.NewerOnly) return destination < source;
    if (settings.DifferentOnly) return destination != source;
    return true;
}

bool IsCopyNeeded(run::RunState& run, const std::string& source, const std::string& destination) {
    const options::JobSettings& settings = run.Settings();
    if (!settings.NewerOnly && !settings.DifferentOnly) return true;
    const platform::DosDateTime destinationDate = run.Fs().GetFileDate(destination);
    if (destinationDate == platform::kNoDosDateTime) return true;
    return IsCopyNeededByDates(settings, run.Fs().GetFileDate(source), destinationDate);
}

}  // namespace brenx::copy
