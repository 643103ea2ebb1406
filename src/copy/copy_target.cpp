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

// Temporary names tried before the copy gives up on one beside the older.
constexpr int kBesideNames = 9;

std::string DirectoryPart(const std::string& path) {
    const std::size_t last = path.find_last_of("\\:");
    return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

CopyOutcome CreateFailed(HostError error) {
    return CopyFailed(kCopyCreateFailed, CopyStage::CreateDestination, error);
}

CopyOutcome OpenBeside(run::RunState& run, CopyTarget& target) {
    platform::FileSystem& fs = run.Fs();
    const std::string directory = DirectoryPart(target.destination);
    for (int attempt = 1; attempt <= kBesideNames; ++attempt) {
        target.written = directory + UnfinishedCopyName(attempt);
        target.file =
            fs.OpenWithoutLinks(target.written, Access::ReadWrite, Disposition::CreateNew);
        if (target.file) return CopyOutcome{};
        // Something stands at the name (a file, a directory, a link): the
        // next name. Any other failure would meet the next name too.
        const HostError why = fs.LastError();
        if (why != HostError::AlreadyExists && why != HostError::AccessDenied &&
            why != HostError::LinkRefused) {
            break;
        }
    }
    const HostError why = fs.LastError();
    target.written = target.destination;
    return CreateFailed(why);
}

CopyOutcome OpenInPlace(run::RunState& run, CopyTarget& target) {
    platform::FileSystem& fs = run.Fs();
    target.written = target.destination;
    target.file =
        fs.OpenWithoutLinks(target.destination, Access::ReadWrite, Disposition::CreateAlways);
    if (!target.file) return CreateFailed(fs.LastError());
    run.Log().Write(support::SafeFormat(
        "Replacing %s in place (no room on the medium for the new copy beside the older one)",
        {target.destination}));
    return CopyOutcome{};
}

}  // namespace

CopyOutcome OpenTarget(run::RunState& run, const FileFacts& facts, Room room, CopyTarget& target) {
    const bool listed = facts.destinationKnown && facts.destinationDate != platform::kNoDosDateTime;
    target.written = target.destination;
    // The listing shows nothing at the name: the copy is made beside it.
    if (!listed && facts.destinationKnown) return OpenBeside(run, target);
    if (!listed) {
        // Nothing is known of the name: making the copy under it tells
        // whether something is there.
        platform::FileSystem& fs = run.Fs();
        target.file =
            fs.OpenWithoutLinks(target.destination, Access::ReadWrite, Disposition::CreateNew);
        if (target.file) return CopyOutcome{};
        if (fs.LastError() != HostError::AlreadyExists) return CreateFailed(fs.LastError());
    }
    target.olderCopy = true;
    // A directory, a device or (as Windows has it) a read-only file is not
    // replaced.
    constexpr std::uint32_t kKept =
        platform::kAttrDirectory | platform::kAttrSystem | platform::kAttrReadOnly;
    if (listed && (facts.destinationAttributes & kKept) != 0) {
        return CreateFailed(HostError::AccessDenied);
    }
    return room == Room::FitsInPlace ? OpenInPlace(run, target) : OpenBeside(run, target);
}

CopyOutcome PutInPlace(run::RunState& run, CopyTarget& target) {
    if (!target.Beside()) return CopyOutcome{};
    platform::FileSystem& fs = run.Fs();
    if (!target.olderCopy) {
        if (fs.RenameNewWithoutLinks(target.written, target.destination)) return CopyOutcome{};
        if (fs.LastError() != HostError::AlreadyExists) {
            return CopyFailed(kCopyBroken, CopyStage::PutInPlace, fs.LastError());
        }
        // Something the listing did not show has the name: an older copy,
        // which the new one replaces only once it is on the medium.
        target.olderCopy = true;
        if (!fs.FlushVolume(target.written)) {
            return CopyFailed(kCopyBroken, CopyStage::WriteDestination, fs.LastError());
        }
    }
    if (fs.RenameWithoutLinks(target.written, target.destination)) return CopyOutcome{};
    return CopyFailed(kCopyBroken, CopyStage::PutInPlace, fs.LastError());
}

void RemoveBrokenTarget(run::RunState& run, const CopyTarget& target) {
    platform::FileSystem& fs = run.Fs();
    if (fs.DeleteWithoutLinks(target.written)) return;
    const HostError why = fs.LastError();
    if (why == HostError::NotFound || why == HostError::PathNotFound) return;
    run.Log().Write(support::SafeFormat("Couldn't delete the broken copy %s (%s)",
                                        {target.written, platform::HostErrorText(why)}));
}

}  // namespace brenx::copy
