#include "jobs/job_header.h"

#include <cstdio>

#include "options/log_file.h"
#include "options/log_lines.h"
#include "options/option_load.h"
#include "platform/clock.h"
#include "run/run_state.h"
#include "support/safe_format.h"

namespace brenx::jobs {

std::string HeaderTime(const support::LocalTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", time.year, time.month,
                  time.day, time.hour, time.minute, time.second);
    return text;
}

std::string HeaderTimeNow() {
    return HeaderTime(platform::LocalNow());
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
