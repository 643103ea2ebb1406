#include "run/counts_file.h"

#include <limits>
#include <optional>
#include <string>

#include "options/job_settings.h"
#include "platform/file_system.h"
#include "run/run_state.h"
#include "support/text_file.h"
#include "support/text_primitives.h"

namespace brenx::run {
namespace {

// A count as the loader reads it: spaces skipped wherever they stand, a "-"
// anywhere makes it negative, reading stops at any other character. Counts are
// 64-bit (byte counts pass 2 GB), saturating instead of wrapping.
std::int64_t ParseCount(std::string_view text) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    bool negative = false;
    for (const char c : text) {
        if (c == ' ') continue;
        if (c == '-') {
            negative = true;
        } else if (c >= '0' && c <= '9') {
            const int digit = c - '0';
            value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
        } else {
            break;
        }
    }
    return negative ? -value : value;
}

std::optional<std::int64_t> ValueAfter(std::string_view key, std::string_view line) {
    const std::size_t position = support::KeyPosition(key, line);
    if (position == 0) return std::nullopt;
    std::string rest(line.substr(position - 1 + key.size()));
    support::TrimLeadingSpaces(rest);
    return ParseCount(rest);
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
