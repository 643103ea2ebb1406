#include "jobs/job_header.h"

#include "options/log_file.h"
#include "options/log_lines.h"
#include "options/option_load.h"
#include "platform/clock.h"
#include "run/run_state.h"
#include "support/date_stamp.h"
#include "support/safe_format.h"

namespace brenx::jobs {

std::string HeaderTimeNow() {
    return support::FormatDateTime(platform::LocalNow());
}

void WriteJobHeader(run::RunState& run, std::string_view second, std::string_view third) {
    std::string header(options::kLogSeparator);
    header.append(support::kLineBreak).append(second);
    header.append(support::kLineBreak).append(third);
    run.Log().Write(header);
}

const std::string& SettingsFilePath(run::RunState& run) {
    return run.Options().SettingsFileState().ResolvedPath();
}

}  // namespace brenx::jobs
