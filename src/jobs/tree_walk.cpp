#include "jobs/tree_walk.h"

#include <memory>
#include <string_view>

#include "options/job_settings.h"
#include "platform/file_attributes.h"
#include "platform/file_system.h"
#include "run/keep_going.h"
#include "run/option_echo.h"
#include "run/run_state.h"

namespace brenx::jobs {
namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

bool IsDotEntry(const std::string& name) {
    return name == "." || name == "..";
}

}  // namespace

bool ForEachEntry(platform::FileSystem& fs, const std::string& pattern, std::uint32_t filter,
                  const EntryVisit& visit, platform::HostError* listingError) {
    std::unique_ptr<platform::DirectorySearch> search = fs.FindFirst(pattern, filter);
    platform::HostError error = platform::HostError::None;
    if (search) {
        platform::SearchEntry entry;
        while (search->Next(entry)) {
            if (entry.strange) continue;
            if (!visit(entry)) return false;
        }
        error = search->LastError();
    } else {
        error = fs.LastError();
    }
    const bool clean = platform::SearchEndedCleanly(error);
    if (listingError) *listingError = clean ? platform::HostError::None : error;
    return clean || listingError == nullptr;
}

void PassStartFile(run::RunState& run, const std::string& path) {
    if (!run.flags.waitingForStartFile) return;
    if (!SameIgnoringCase(path, run.Settings().startfile)) return;
    run.flags.waitingForStartFile = false;
    run::ShowOptionEcho(run);
}

bool WalkSubdirectories(run::RunState& run, const std::string& directory,
                        const std::function<bool(const std::string&)>& walk,
                        platform::HostError* listingError) {
    return ForEachEntry(
        run.Fs(), directory + "*", platform::kAttrDirectory,
        [&](const platform::SearchEntry& entry) {
            if (!run::KeepGoing(run)) return false;
            if ((entry.attributes & platform::kAttrDirectory) == 0) return true;
            if (IsDotEntry(entry.name)) return true;
            return walk(directory + entry.name + "\\");
        },
        listingError);
}

}  // namespace brenx::jobs
