#include "copy/copy_target.h"

#include "copy/unfinished_copy.h"
#include "options/log_file.h"
#include "platform/file_attributes.h"
#include "platform/file_system.h"
#include "platform/host_reason.h"
#include "run/run_state.h"
#include "support/safe_format.h"

namespace brenx::copy {
namespace {

using platform::Access;
using platform::Disposition;
using platform::HostError;

// Temporary names tried before the copy gives up on one.
constexpr int kTemporaryNames = 9;

std::string DirectoryPart(const std::string& path) {
    const std::size_t last = path.find_last_of("\\:");
    return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

CopyOutcome CreateFailed(HostError error) {
    return CopyFailed(kCopyCreateFailed, CopyStage::CreateDestination, error);
}

// The run takes the file it has just made. Another run may have taken it
// first, to remove it as a leftover (it then goes, or went already): the
// copy makes another. A host without such holds leaves it unheld.
bool HeldAsMade(platform::FileHandle& file) {
    if (file.HoldExclusively()) return file.IsStillAtItsPath();
    return file.LastError() != HostError::SharingViolation;
}

CopyOutcome OpenTemporary(run::RunState& run, CopyTarget& target) {
    platform::FileSystem& fs = run.Fs();
    const std::string directory = DirectoryPart(target.destination);
    for (int attempt = 1; attempt <= kTemporaryNames; ++attempt) {
        target.written = directory + UnfinishedCopyName(run, attempt);
        target.file =
            fs.OpenWithoutLinks(target.written, Access::ReadWrite, Disposition::CreateNew);
        if (target.file && HeldAsMade(*target.file)) return CopyOutcome{};
        if (target.file) {
            target.file->Close();
            target.file.reset();
            continue;
        }
        // Something stands at the name (a file, a directory, a link): the
        // next name. Any other failure would meet the next name too.
        const HostError why = fs.LastError();
        if (why != HostError::AlreadyExists && why != HostError::AccessDenied &&
            why != HostError::LinkRefused) {
            return CreateFailed(why);
        }
    }
    return CreateFailed(HostError::AlreadyExists);
}

// No room for both: the older copy goes first. A name that the older copy
// no longer holds is no failure.
CopyOutcome RemoveOlderCopy(run::RunState& run, CopyTarget& target) {
    platform::FileSystem& fs = run.Fs();
    if (!fs.DeleteWithoutLinks(target.destination)) {
        const HostError why = fs.LastError();
        if (why == HostError::NotFound) return CopyOutcome{};
        return CreateFailed(why);
    }
    target.olderCopy = false;
    target.olderRemoved = true;
    run.Log().Write(support::SafeFormat(
        "Removed %s to make room for its new copy (no room on the medium for both)",
        {target.destination}));
    return CopyOutcome{};
}

}  // namespace

CopyOutcome OpenTarget(run::RunState& run, const FileFacts& facts, Room room, CopyTarget& target) {
    std::int64_t attributes = -1;  // of what is at the name; none there
    if (!facts.destinationKnown) {
        attributes = run.Fs().GetAttributes(target.destination);
    } else if (facts.destinationDate != platform::kNoDosDateTime) {
        attributes = facts.destinationAttributes;
    }
    target.olderCopy = attributes >= 0;
    // A directory, a device or (as Windows has it) a read-only file is not
    // replaced.
    constexpr std::uint32_t kKept =
        platform::kAttrDirectory | platform::kAttrSystem | platform::kAttrReadOnly;
    if (attributes >= 0 && (attributes & kKept) != 0) return CreateFailed(HostError::AccessDenied);
    if (room == Room::FitsInPlace) {
        if (CopyOutcome removed = RemoveOlderCopy(run, target); !removed.Done()) return removed;
    }
    return OpenTemporary(run, target);
}

CopyOutcome PutInPlace(run::RunState& run, CopyTarget& target) {
    platform::FileSystem& fs = run.Fs();
    if (!target.olderCopy) {
        if (fs.RenameNewWithoutLinks(target.written, target.destination)) return CopyOutcome{};
        if (fs.LastError() != HostError::AlreadyExists) {
            return CopyFailed(kCopyBroken, CopyStage::PutInPlace, fs.LastError());
        }
        // Something the listing did not show has the name: an older copy,
        // which the new one, already on the medium, replaces.
        target.olderCopy = true;
    }
    if (fs.RenameWithoutLinks(target.written, target.destination)) return CopyOutcome{};
    return CopyFailed(kCopyBroken, CopyStage::PutInPlace, fs.LastError());
}

void RemoveBrokenTarget(run::RunState& run, const CopyTarget& target) {
    platform::FileSystem& fs = run.Fs();
    if (DeleteUnfinishedCopy(fs, target.written)) return;
    const HostError why = fs.LastError();
    if (why == HostError::NotFound || why == HostError::PathNotFound) return;
    run.Log().Write(support::SafeFormat("Couldn't delete the broken copy %s (%s)",
                                        {target.written, platform::HostErrorText(why)}));
}

}  // namespace brenx::copy
