#include "copy/copy_files.h"

#include <cstdint>
#include <memory>

#include "copy/copy_failure.h"
#include "copy/copy_file.h"
#include "copy/copy_result.h"
#include "copy/copy_status.h"
#include "copy/destination_directory.h"
#include "copy/destination_listing.h"
#include "copy/destination_name.h"
#include "copy/random_wait.h"
#include "copy/unfinished_copy.h"
#include "options/job_settings.h"
#include "platform/directory_search.h"
#include "platform/file_queries.h"
#include "platform/file_system.h"
#include "run/keep_going.h"
#include "run/non_regular.h"
#include "run/run_state.h"
#include "run/screwy_entry.h"
#include "run/start_file.h"
#include "run/unread_directory.h"

namespace brenx::copy {
namespace {

// Plain files always; hidden ones when asked for. System entries are found
// only to be logged as left out.
std::uint32_t FileSearchAttributes(const options::JobSettings& settings) {
    return platform::kAttrSystem | (settings.hidden ? platform::kAttrHidden : 0);
}

// Only arconly reads the files' archive bits; without it the host need not
// look them up.
std::unique_ptr<platform::DirectorySearch> SearchFiles(run::RunState& run,
                                                       const std::string& source) {
    const options::JobSettings& settings = run.Settings();
    const std::string pattern = source + "*";
    const std::uint32_t filter = FileSearchAttributes(settings);
    if (settings.arconly) return run.Fs().FindFirst(pattern, filter);
    return run.Fs().FindFirstWithoutArchive(pattern, filter);
}

void CountCopy(run::RunState& run, std::int64_t size) {
    run::RunCounters& counters = run.counters;
    counters.byteCount += size;
    counters.cdByteCount += size;
    counters.fileCount += 1;
}

// The directory a file of the walk goes into; listed whenever it is made
// sure of (again).
struct Destination {
    std::string& directory;  // a new directory may rewrite it (FixDotCrash)
    DestinationListing& listing;
};

// A directory newly made sure of is listed, and what an earlier run left
// unfinished there goes.
DirectoryOutcome EnsureListedDirectory(run::RunState& run, Destination& to) {
    const bool due = run.copySession.destinationDirPending;
    const DirectoryOutcome outcome = EnsureDestinationDirectory(run, to.directory);
    if (due && outcome.code == 0) {
        to.listing.Take(run.Fs(), to.directory);
        for (const std::string& name : to.listing.Unfinished())
            RemoveUnfinishedCopy(run, to.directory, name);
    }
    if (due && outcome.code != 0) to.listing.Clear();
    return outcome;
}

CopyOutcome CopyAttempt(run::RunState& run, const FailedFile& file, Destination& to,
                        platform::DosDateTime sourceDate) {
    FileFacts facts;
    facts.sourceSize = file.size;
    facts.sourceDate = sourceDate;
    to.listing.Describe(file.newName, facts);
    const std::string from = file.sourceDirectory + file.name;
    const CopyOutcome outcome = CopyKnownFile(run, from, to.directory + file.newName, true, facts);
    if (outcome.Done()) {
        to.listing.Copied(file.newName, sourceDate, outcome.bytes);
    } else {
        to.listing.Unsure(file.newName);
    }
    return outcome;
}

// One attempt at the file. A directory that could not be made leaves the
// previous attempt's code (none on the first), with the directory's reason.
CopyOutcome AttemptOnce(run::RunState& run, const FailedFile& file, Destination& to,
                        platform::DosDateTime sourceDate, const CopyOutcome& previous) {
    if (!run.Settings().nocopy) {
        const DirectoryOutcome directory = EnsureListedDirectory(run, to);
        if (directory.code != 0) {
            return CopyFailed(previous.code, CopyStage::Directory, directory.error);
        }
    }
    return CopyAttempt(run, file, to, sourceDate);
}

// The first attempt at an entry that could not be looked at fails as a
// source that did not open, with the host's reason.
CopyOutcome AttemptEntry(run::RunState& run, const FailedFile& file, Destination& to,
                         const platform::SearchEntry& entry, const CopyOutcome& previous) {
    if (entry.lookError != platform::HostError::None) {
        return CopyFailed(kCopySourceFailed, CopyStage::OpenSource, entry.lookError);
    }
    return AttemptOnce(run, file, to, entry.date, previous);
}

// Attempts the file until it is copied or passed over (true), or the job
// ends (false). An entry that could not be looked at is looked at again
// before it is tried again.
bool AttemptFile(run::RunState& run, const std::string& source, Destination& to,
                 platform::SearchEntry entry, const std::string& newName) {
    CopyOutcome outcome;
    for (;;) {
        const FailedFile file{source, to.directory, entry.name, newName,
                              platform::SearchRecordSize(entry)};
        outcome = AttemptEntry(run, file, to, entry, outcome);
        if (outcome.Done()) {
            CountCopy(run, outcome.bytes);
            return true;
        }
        switch (AnalyseFailure(run, file, outcome)) {
            case AfterFailure::Retry:
                if (entry.lookError != platform::HostError::None) {
                    entry.lookError = platform::LookAtEntry(run.Fs(), source + entry.name, entry);
                }
                continue;
            case AfterFailure::NextFile:
                return true;
            case AfterFailure::EndWalk:
                return false;
        }
    }
}

// One entry of the directory; false when the job must end.
bool CopyEntry(run::RunState& run, const std::string& source, Destination& to,
               const platform::SearchEntry& entry) {
    const std::string& destination = to.directory;
    const run::ScrewyAnswer screwy = run::CheckEntry(run, source, entry);
    if (screwy == run::ScrewyAnswer::GiveUp) {
        run::GiveUpAtScrewyName(run);
        return false;
    }
    std::string newName;
    if (screwy == run::ScrewyAnswer::PassOver || run::LeaveOutIfNonRegular(run, source, entry) ||
        !MakeDestinationName(run, entry, newName)) {
        return run::KeepGoing(run);
    }
    const std::string from = source + entry.name;
    ShowFileAtHand(run, from, destination, newName);
    if (!run::PassedOverBeforeStartFile(run, from)) {
        run.counters.fileSize = platform::SearchRecordSize(entry);
        RandomWaitOrEject(run, false);
        if (!AttemptFile(run, source, to, entry, newName)) return false;
    }
    ShowCopyProgress(run);
    return run::KeepGoing(run);
}

}  // namespace

bool CopyFilesOfDirectory(run::RunState& run, const std::string& source,
                          const std::string& destinationDirectory) {
    platform::FileSystem& fs = run.Fs();
    std::unique_ptr<platform::DirectorySearch> search = SearchFiles(run, source);
    if (!run.Settings().nocopy) run.copySession.destinationDirPending = true;
    if (!search) return run::SearchEndedCleanly(run, source, fs.LastError());
    // The directory may be made under a rewritten name (FixDotCrash); the
    // rest of its files follow.
    std::string directory = destinationDirectory;
    DestinationListing listing;
    Destination to{directory, listing};
    platform::SearchEntry entry;
    while (search->Next(entry)) {
        if (!CopyEntry(run, source, to, entry)) return false;
    }
    return run::SearchEndedCleanly(run, source, search->LastError());
}

}  // namespace brenx::copy
