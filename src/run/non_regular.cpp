#include "run/non_regular.h"

#include "options/log_file.h"
#include "platform/directory_search.h"
#include "platform/file_attributes.h"
#include "run/run_state.h"
#include "support/safe_format.h"

namespace brenx::run {

bool LeaveOutIfNonRegular(RunState& run, const std::string& directory,
                          const platform::SearchEntry& entry) {
    if ((entry.attributes & platform::kAttrSystem) == 0) return false;
    const bool isDirectory = (entry.attributes & platform::kAttrDirectory) != 0;
    const std::string path = directory + entry.name + (isDirectory ? "\\" : "");
    const char* why = isDirectory ? "not a regular file: a link to a directory or a system one"
                                  : "not a regular file";
    run.Log().Write(support::SafeFormat("skipping non-regular file %s (%s)", {path, why}));
    run.counters.nonRegular += 1;
    return true;
}

}  // namespace brenx::run
