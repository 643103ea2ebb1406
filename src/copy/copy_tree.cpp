#include "copy/copy_tree.h"

#include <memory>

#include "copy/copy_files.h"
#include "copy/flush.h"
#include "options/job_settings.h"
#include "platform/directory_search.h"
#include "platform/file_system.h"
#include "run/exit_codes.h"
#include "run/keep_going.h"
#include "run/messages.h"
#include "run/non_regular.h"
#include "run/run_state.h"
#include "run/screwy_entry.h"
#include "run/unread_directory.h"
#include "support/safe_format.h"

namespace brenx::copy {
namespace {

bool Failed(run::RunState& run, std::int32_t code, std::string reason) {
    run.verdict.Fail(code, std::move(reason));
    return false;
}

bool IsSubdirectory(const platform::SearchEntry& entry) {
    return (entry.attributes & platform::kAttrDirectory) != 0 && entry.name != "." &&
           entry.name != "..";
}

// One subdirectory entry; false when the job must end.
bool CopySubdirectory(run::RunState& run, const std::string& source, const std::string& destination,
                      const platform::SearchEntry& entry) {
    if (!IsSubdirectory(entry)) return true;
    const run::ScrewyAnswer screwy = run::CheckEntry(run, source, entry);
    if (screwy == run::ScrewyAnswer::PassOver) return true;
    if (screwy == run::ScrewyAnswer::GiveUp) {
        run::GiveUpAtScrewyName(run);
        return false;
    }
    if (run::LeaveOutIfNonRegular(run, source, entry)) return true;
    const std::string from = source + entry.name + "\\";
    const std::string to = destination + entry.name + "\\";
    if (CopyTree(run, from, to)) return true;
    if (!run.verdict.Failed()) {
        run::ErrorMessage(run, "Failure \"brenx(%s,%s)\" in brenxdirectories", {from, to});
    }
    return false;
}

}  // namespace

bool CopySubdirectories(run::RunState& run, const std::string& source,
                        const std::string& destination) {
    platform::FileSystem& fs = run.Fs();
    std::unique_ptr<platform::DirectorySearch> search =
        fs.FindSubdirectories(source + "*", platform::kAttrDirectory | platform::kAttrSystem);
    if (!search) return run::SearchEndedCleanly(run, source, fs.LastError());
    platform::SearchEntry entry;
    while (search->Next(entry)) {
        if (!run::KeepGoing(run)) return false;
        if (!CopySubdirectory(run, source, destination, entry)) return false;
    }
    return run::SearchEndedCleanly(run, source, search->LastError());
}

bool CopyTree(run::RunState& run, const std::string& source, const std::string& destination) {
    if (!CopyFilesOfDirectory(run, source, destination)) {
        return Failed(run, run::kExitCopyFiles,
                      support::SafeFormat("brenxfiles(%s,%s)", {source, destination}));
    }
    if (run.Settings().recurse && !CopySubdirectories(run, source, destination)) {
        return Failed(run, run::kExitCopyDirectories,
                      support::SafeFormat("brenxdirectories(%s, %s)", {source, destination}));
    }
    return true;
}

}  // namespace brenx::copy
