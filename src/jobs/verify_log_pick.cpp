#include "jobs/verify_log_pick.h"

#include <memory>

#include "options/job_settings.h"
#include "platform/file_system.h"
#include "run/file_pick.h"
#include "run/name_parts.h"
#include "run/operator.h"
#include "run/run_state.h"
#include "support/path_names.h"
#include "support/safe_format.h"

namespace brenx::jobs {
namespace {

// The directory part of the setting as the dialog starts in it: the
// current directory when the setting names none.
std::string StartDirectory(platform::FileSystem& fs, const std::string& part) {
    if (!part.empty()) return part;
    const std::string current = fs.CurrentDirectory();
    return current.empty() ? std::string() : support::WithTrailingBackslash(current);
}

}  // namespace

std::vector<std::string> MatchingFiles(platform::FileSystem& fs, const std::string& pattern,
                                       const std::string& directory) {
    std::vector<std::string> files;
    std::unique_ptr<platform::DirectorySearch> search = fs.FindFirst(pattern, 0);
    if (!search) return files;
    platform::SearchEntry entry;
    while (search->Next(entry)) {
        if (!entry.strange) files.push_back(directory + entry.name);
    }
    return files;
}

bool PickVerifyLog(run::RunState& run) {
    std::string& verify = run.Settings().verify;
    const std::string name = run::FileNamePart(verify);
    if (!support::HasWildcard(name)) return true;
    const std::string directoryPart = verify.substr(0, verify.size() - name.size());
    run::FilePick pick;
    pick.filter = support::SafeFormat("Verify log files|%s", {name});
    pick.directory = StartDirectory(run.Fs(), directoryPart);
    pick.candidates = MatchingFiles(run.Fs(), pick.directory + name, pick.directory);
    if (!run.Fs().HostPath(pick.directory, pick.hostDirectory)) pick.hostDirectory.clear();
    std::string chosen;
    if (!run.Op().PickFile(pick, chosen)) return false;
    // A file picked by its host path is named as the program names files.
    if (!chosen.empty() && chosen[0] == '/' && !run.Fs().FullPathName(chosen, chosen)) {
        return false;
    }
    verify = chosen;
    return true;
}

}  // namespace brenx::jobs
