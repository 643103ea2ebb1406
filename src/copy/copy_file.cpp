#include "copy/copy_file.h"

#include <memory>
#include <optional>

#include "copy/copy_date.h"
#include "copy/copy_needed.h"
#include "copy/copy_result.h"
#include "copy/copy_target.h"
#include "copy/room_check.h"
#include "copy/source_change.h"
#include "copy/transfer.h"
#include "options/job_settings.h"
#include "options/log_file.h"
#include "options/log_lines.h"
#include "platform/file_queries.h"
#include "platform/file_system.h"
#include "platform/host_reason.h"
#include "run/destination_free.h"
#include "run/run_state.h"
#include "run/tick_source.h"
#include "support/crc32.h"
#include "support/safe_format.h"

namespace brenx::copy {
namespace {

using platform::FileHandle;

struct CopyOrder {
    const std::string& source;
    const std::string& destination;
    bool writeLogLine;
    const FileFacts& facts;
    platform::FileStatus before;  // the source before the copy
};

// While there is plenty of room the destination's free space is measured
// (and shown) at most this often; in between, each copy takes its size off
// the last figure. Within this margin of a file's size it is measured for
// every file, so that the room check always decides on a fresh figure.
constexpr std::uint64_t kFreeSpaceInterval = 250;
constexpr std::int64_t kFreeSpaceMargin = std::int64_t{64} << 20;

void RefreshDestinationFree(run::RunState& run, const CopyOrder& order) {
    const std::uint64_t now = run.Ticks().Milliseconds();
    const bool recent =
        run.freeSpaceShownAt != 0 && now - run.freeSpaceShownAt < kFreeSpaceInterval;
    const std::int64_t free = run.counters.dstBytesFree;
    const bool plenty =
        free >= kFreeSpaceMargin && free - kFreeSpaceMargin >= order.facts.sourceSize;
    if (recent && plenty) return;
    run.freeSpaceShownAt = now;
    run::ShowDestinationFree(run, order.destination);
}

// The source's date as the walk listed it, or else as its path tells.
platform::DosDateTime SourceDate(run::RunState& run, const CopyOrder& order) {
    const platform::DosDateTime known = order.facts.sourceDate;
    return known != platform::kNoDosDateTime ? known : run.Fs().GetFileDate(order.source);
}

// Attributes that do not take leave a good copy; the log says so.
void GiveAttributes(run::RunState& run, const CopyOrder& order, const CopyTarget& target) {
    const options::JobSettings& settings = run.Settings();
    if (!settings.atts) return;
    platform::FileSystem& fs = run.Fs();
    const std::int64_t attributes = fs.GetAttributes(order.source);
    const std::uint32_t readOnly = settings.ReadOnly ? platform::kAttrReadOnly : 0;
    if (attributes >= 0 && fs.SetAttributesWithoutLinks(
                               target.written, static_cast<std::uint32_t>(attributes) | readOnly)) {
        return;
    }
    run.Log().Write(support::SafeFormat(
        "Couldn't give %s the attributes of %s (%s)",
        {order.destination, order.source, platform::HostErrorReason(fs.LastError())}));
}

void LogCopy(run::RunState& run, const CopyOrder& order, std::uint32_t crc) {
    if (!order.writeLogLine) return;
    if (run.Settings().crc) {
        run.Log().Write(options::CrcLogLine(order.destination, crc));
    } else {
        run.Log().Write(order.destination);
    }
}

// A copy's line goes to the log before the copy takes its name, so that no
// name a run fills is missing from its log; a copy that then fails to take
// it leaves a line that names no copy, and the log says so (verify finds the
// name holding the older copy, or nothing).
void LogLineWithoutCopy(run::RunState& run, const CopyOrder& order, platform::HostError why) {
    if (!order.writeLogLine) return;
    run.Log().Write(support::SafeFormat(
        "The line above for %s names no copy: the copy could not take its name (%s)",
        {order.destination, platform::HostErrorReason(why)}));
}

// The copy's data is put on the medium before anything names it good: a
// power cut after its date or its name reached the medium must not leave a
// dated copy whose data never did. Then it is dated through its open handle
// (no second look-up of its path), given the source's attributes, logged
// and put in place while the run still holds it, and closed. On CD-R media
// the date is the open source's own.
CopyOutcome FinishDestination(run::RunState& run, const CopyOrder& order, FileHandle& source,
                              CopyTarget& target, std::uint32_t crc) {
    FileHandle& destination = *target.file;
    if (!destination.FlushData()) {
        return CopyFailed(kCopyBroken, CopyStage::WriteDestination, destination.LastError());
    }
    // The date before the copy: a source changed while it was copied then
    // leaves a copy older than itself, which the next run copies again.
    const platform::DosDateTime date =
        run.copySession.cdrMode ? source.GetDate() : order.before.date;
    const bool dated =
        date != platform::kNoDosDateTime && DateTheCopy(run, order.destination, destination, date);
    const bool lookAfterRename = dated && !destination.KeepsDates();
    GiveAttributes(run, order, target);
    LogCopy(run, order, crc);
    const CopyOutcome placed = PutInPlace(run, target);
    if (!placed.Done()) {
        LogLineWithoutCopy(run, order, placed.error);
        return placed;
    }
    // Its data is on the medium already: a close that fails now lost nothing
    // the copy needs, but the run hears of it, and the file is tried again.
    if (!destination.Close()) {
        return CopyFailed(kCopyBroken, CopyStage::CloseDestination, destination.LastError());
    }
    if (lookAfterRename) KeepDateAcrossRename(run, order.destination, date);
    return placed;
}

// The bytes pass, the source is looked at again, and the copy is finished.
// A copy that fails is deleted; the outcome keeps the reason it failed for,
// whatever the clean-up meets.
CopyOutcome CopyOpened(run::RunState& run, const CopyOrder& order, FileHandle& source,
                       CopyTarget* target) {
    const bool dataRead = !run.Settings().nodata;
    support::Crc32Register sum;
    support::Crc32Init(sum);
    FileHandle* destination = target != nullptr ? target->file.get() : nullptr;
    CopyOutcome outcome = dataRead ? Transfer(run, source, destination, sum) : CopyOutcome{};
    const std::int64_t bytes = outcome.bytes;
    if (outcome.Done()) {
        outcome = CheckSourceUnchanged(run, order.source, source, order.before, bytes, dataRead);
    }
    support::Crc32Final(sum);
    if (target != nullptr) {
        if (outcome.Done()) outcome = FinishDestination(run, order, source, *target, sum.value);
        if (!outcome.Done()) {
            target->file->Close();
            RemoveBrokenTarget(run, *target);
        }
    } else if (outcome.Done()) {
        LogCopy(run, order, sum.value);
    }
    if (!outcome.Done()) return outcome;
    // Without its data (nodata) a copy counts as the source's size, as ever.
    outcome.bytes = dataRead ? bytes : order.before.size;
    outcome.crc = sum.value;
    return outcome;
}

bool Needed(run::RunState& run, const CopyOrder& order) {
    const options::JobSettings& settings = run.Settings();
    if (settings.nocopy && settings.crc_only) return true;
    const FileFacts& facts = order.facts;
    if (!facts.destinationKnown) {
        return IsCopyNeeded(run, order.source, order.destination, facts.sourceSize);
    }
    if (!settings.NewerOnly && !settings.DifferentOnly) return true;
    if (facts.destinationDate == platform::kNoDosDateTime) return true;
    return IsCopyNeededByLooks(settings, FileLook{SourceDate(run, order), facts.sourceSize},
                               FileLook{facts.destinationDate, facts.destinationSize});
}

// Creating the destination truncates it: when it is the source itself (the
// destination directory is the source directory, perhaps under another
// name) that would destroy the one copy there is. A destination the walk
// listed as missing cannot be the source, so only existing ones are asked.
bool IsTheSourceItself(run::RunState& run, const CopyOrder& order) {
    const FileFacts& facts = order.facts;
    const bool absent = facts.destinationKnown && facts.destinationDate == platform::kNoDosDateTime;
    return !absent && run.Fs().SameEntry(order.source, order.destination);
}

Room RoomOf(run::RunState& run, const CopyOrder& order) {
    const FileFacts& facts = order.facts;
    return RoomFor(
        run, order.source, order.destination, facts.sourceSize,
        facts.destinationKnown ? std::optional<std::int64_t>(facts.destinationSize) : std::nullopt);
}

// The free space as the copy leaves it: less what it wrote, and more what
// an older copy it replaced held.
void TakeFreeSpace(run::RunState& run, const CopyOrder& order, const CopyTarget& target,
                   std::int64_t bytes) {
    const FileFacts& facts = order.facts;
    const bool replacedKnown = target.Replaces() && facts.destinationKnown;
    if (run.counters.dstBytesFree == platform::kUntoldFreeSpace) return;
    run.counters.dstBytesFree -= bytes - (replacedKnown ? facts.destinationSize : 0);
}

CopyOutcome Copy(run::RunState& run, CopyOrder& order) {
    const options::JobSettings& settings = run.Settings();
    run.counters.fileBytesRead = 0;
    RefreshDestinationFree(run, order);
    if (!Needed(run, order)) return CopyFailed(kCopyNotNeeded, CopyStage::Needed);
    const Room room = settings.nocopy ? Room::Fits : RoomOf(run, order);
    if (room == Room::None) return CopyFailed(kCopyNoRoom, CopyStage::Room);
    platform::FileSystem& fs = run.Fs();
    std::unique_ptr<FileHandle> source =
        fs.Open(order.source, platform::Access::Read, platform::Disposition::OpenExisting);
    if (!source) return CopyFailed(kCopySourceFailed, CopyStage::OpenSource, fs.LastError());
    // What the source is as it opens (not as the walk listed it, maybe long
    // ago): the copy is dated so and compared with it at the end.
    if (!source->StatusAtOpen(order.before)) {
        return CopyFailed(kCopySourceFailed, CopyStage::OpenSource, source->LastError());
    }
    if (settings.nocopy) return CopyOpened(run, order, *source, nullptr);
    if (IsTheSourceItself(run, order)) {
        run.Log().Write(support::SafeFormat("Won't copy %s onto itself", {order.source}));
        return CopyFailed(kCopyCreateFailed, CopyStage::OntoItself);
    }
    CopyTarget target;
    target.destination = order.destination;
    if (CopyOutcome opened = OpenTarget(run, order.facts, room, target); !opened.Done()) {
        return opened;
    }
    const CopyOutcome outcome = CopyOpened(run, order, *source, &target);
    source->Close();
    if (outcome.Done()) TakeFreeSpace(run, order, target, outcome.bytes);
    return outcome;
}

}  // namespace

CopyOutcome CopyKnownFile(run::RunState& run, const std::string& source,
                          const std::string& destination, bool writeLogLine,
                          const FileFacts& facts) {
    CopyOrder order{source, destination, writeLogLine, facts, {}};
    return Copy(run, order);
}

CopyOutcome CopyBFile(run::RunState& run, const std::string& source, const std::string& destination,
                      bool writeLogLine) {
    FileFacts facts;
    facts.sourceSize = platform::FileSize64(run.Fs(), source);
    return CopyKnownFile(run, source, destination, writeLogLine, facts);
}

}  // namespace brenx::copy
