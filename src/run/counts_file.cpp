#include "run/counts_file.h"

#include <limits>
#include <optional>
#include <string>

#include "options/job_settings.h"
#include "platform/file_system.h"
#include "run/run_state.h"
#include "support/number_text.h"
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

void SaveCounts(platform::FileSystem& fs, const std::string& path, const RunCounters& counters) {
    auto file = fs.Open(path, platform::Access::Write, platform::Disposition::CreateAlways);
    if (!file) return;
    support::WriteFormatted(*file, "filecount: %d\r\nbyte: %d\r\nskipped: %d\r\n",
                            {counters.fileCount, counters.byteCount, counters.newerSkipped});
    file->Close();
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
        SaveCounts(run.Fs(), path, run.counters);
    } else {
        LoadCounts(run.Fs(), path, run.counters);
    }
}

}  // namespace brenx::run
