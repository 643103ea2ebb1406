#include "run/counts_file.h"

#include <limits>
#include <optional>
#include <string>

#include "options/job_settings.h"
#include "options/log_file.h"
#include "platform/file_system.h"
#include "platform/host_reason.h"
#include "run/messages.h"
#include "run/run_state.h"
#include "support/number_text.h"
#include "support/safe_format.h"
#include "support/text_file.h"
#include "support/text_primitives.h"

namespace brenx::run {
namespace {

std::optional<std::int64_t> ValueAfter(std::string_view key, std::string_view line) {
    const std::size_t position = support::KeyPosition(key, line);
    if (position == 0) return std::nullopt;
    std::string rest(line.substr(position - 1 + key.size()));
    support::TrimLeadingSpaces(rest);
    return support::ParseDecimal64(rest);
}

void LoadCounts(platform::FileSystem& fs, const std::string& path, RunCounters& counters) {
    auto file = fs.Open(path, platform::Access::Read, platform::Disposition::OpenExisting);
    if (!file) return;
    std::string line;
    while (support::ReadTextLine(*file, line)) {
        ApplyCountsLine(line, counters);
        line.clear();
    }
    // A last line without a line end still counts.
    ApplyCountsLine(line, counters);
    file->Close();
}

// None when the counts are in the file, whole; otherwise why not.
platform::HostError SaveCounts(platform::FileSystem& fs, const std::string& path,
                               const RunCounters& counters) {
    auto file = fs.Open(path, platform::Access::Write, platform::Disposition::CreateAlways);
    if (!file) return fs.LastError();
    const int written =
        support::WriteFormatted(*file, "filecount: %d\r\nbyte: %d\r\nskipped: %d\r\n",
                                {counters.fileCount, counters.byteCount, counters.newerSkipped});
    platform::HostError why = written < 0 ? file->LastError() : platform::HostError::None;
    const bool closed = file->Close();
    if (why == platform::HostError::None && !closed) why = file->LastError();
    // A short write may leave no error of its own.
    if (written < 0 && why == platform::HostError::None) why = platform::HostError::Other;
    return why;
}

}  // namespace

void ApplyCountsLine(std::string_view line, RunCounters& counters) {
    if (const auto files = ValueAfter("filecount:", line)) {
        counters.fileCount = *files;
    } else if (const auto bytes = ValueAfter("byte:", line)) {
        counters.byteCount = *bytes;
        counters.cdByteCount = *bytes;
    } else if (const auto skipped = ValueAfter("skipped:", line)) {
        counters.newerSkipped = *skipped;
    }
}

void CountsFile(RunState& run, bool save) {
    const std::string& path = run.Settings().counts;
    if (path.empty()) return;
    if (save) {
        const platform::HostError why = SaveCounts(run.Fs(), path, run.counters);
        if (why == platform::HostError::None) return;
        const std::string told = support::SafeFormat("Couldn't save the counts to %s (%s)",
                                                     {path, platform::HostErrorReason(why)});
        run.Log().Write(told);
        ErrorMessage(run, "%s", {told});
    } else {
        LoadCounts(run.Fs(), path, run.counters);
    }
}

}  // namespace brenx::run
