#include "jobs/tree_walk.h"

#include <memory>

#include "platform/file_attributes.h"
#include "platform/file_system.h"
#include "run/keep_going.h"
#include "run/non_regular.h"
#include "run/run_state.h"
#include "run/screwy_entry.h"
#include "run/unread_directory.h"

namespace brenx::jobs {
namespace {

bool IsDotEntry(const std::string& name) {
    return name == "." || name == "..";
}

bool ForEachListed(run::RunState& run, const std::string& directory, std::uint32_t filter,
                   const EntryVisit& visit) {
    platform::FileSystem& fs = run.Fs();
    std::unique_ptr<platform::DirectorySearch> search = fs.FindFirst(directory + "*", filter);
    if (!search) return run::SearchEndedCleanly(run, directory, fs.LastError());
    platform::SearchEntry entry;
    while (search->Next(entry)) {
        if (!visit(entry)) return false;
    }
    return run::SearchEndedCleanly(run, directory, search->LastError());
}

// The sanity check; true when the walk goes on (with the entry or without it).
bool Checked(run::RunState& run, const std::string& directory, const platform::SearchEntry& entry,
             bool& take) {
    const run::ScrewyAnswer answer = run::CheckEntry(run, directory, entry);
    take = answer == run::ScrewyAnswer::NotScrewy;
    if (answer != run::ScrewyAnswer::GiveUp) return true;
    run::GiveUpAtScrewyName(run);
    return false;
}

}  // namespace

bool ForEachFile(run::RunState& run, const std::string& directory, const EntryVisit& visit) {
    return ForEachListed(run, directory, platform::kAttrSystem,
                         [&](const platform::SearchEntry& entry) {
                             bool take = false;
                             if (!Checked(run, directory, entry, take)) return false;
                             if (take && run::LeaveOutIfNonRegular(run, directory, entry))
                                 take = false;
                             return take ? visit(entry) : run::KeepGoing(run);
                         });
}

bool WalkSubdirectories(run::RunState& run, const std::string& directory,
                        const std::function<bool(const std::string&)>& walk) {
    return ForEachListed(run, directory, platform::kAttrDirectory | platform::kAttrSystem,
                         [&](const platform::SearchEntry& entry) {
                             if (!run::KeepGoing(run)) return false;
                             if ((entry.attributes & platform::kAttrDirectory) == 0) return true;
                             if (IsDotEntry(entry.name)) return true;
                             bool take = false;
                             if (!Checked(run, directory, entry, take)) return false;
                             if (take && run::LeaveOutIfNonRegular(run, directory, entry)) {
                                 return true;
                             }
                             return !take || walk(directory + entry.name + "\\");
                         });
}

}  // namespace brenx::jobs
