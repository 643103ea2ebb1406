#include "copy/copy_needed.h"

#include "options/job_settings.h"
#include "platform/file_queries.h"
#include "platform/file_system.h"
#include "run/run_state.h"

namespace brenx::copy {
namespace {

bool SizeFits(const options::JobSettings& settings, const FileLook& source,
              const FileLook& destination) {
    if (source.size < 0 || destination.size < 0) return false;
    return destination.size == source.size || (settings.nodata && destination.size == 0);
}

}  // namespace

bool IsCopyNeededByLooks(const options::JobSettings& settings, const FileLook& source,
                         const FileLook& destination) {
    if (!settings.NewerOnly && !settings.DifferentOnly) return true;
    if (destination.date == platform::kNoDosDateTime || source.date == platform::kNoDosDateTime) {
        return true;
    }
    if (!SizeFits(settings, source, destination)) return true;
    if (settings.NewerOnly) return destination.date < source.date;
    return destination.date != source.date;
}

bool IsCopyNeeded(run::RunState& run, const std::string& source, const std::string& destination,
                  std::int64_t sourceSize) {
    const options::JobSettings& settings = run.Settings();
    if (!settings.NewerOnly && !settings.DifferentOnly) return true;
    platform::FileSystem& fs = run.Fs();
    const FileLook there{fs.GetFileDate(destination), platform::FileSize64(fs, destination)};
    if (there.date == platform::kNoDosDateTime) return true;
    return IsCopyNeededByLooks(settings, FileLook{fs.GetFileDate(source), sourceSize}, there);
}

}  // namespace brenx::copy
