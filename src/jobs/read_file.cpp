#include "jobs/read_file.h"

#include <memory>

#include "options/job_settings.h"
#include "platform/file_system.h"
#include "platform/host_reason.h"
#include "run/destination_free.h"
#include "run/file_progress.h"
#include "run/keep_going.h"
#include "run/run_state.h"
#include "run/tick_source.h"
#include "support/crc32.h"

namespace brenx::jobs {
namespace {

// The free space shown while files are read is refreshed at most this often.
constexpr std::uint64_t kFreeSpaceInterval = 500;

// A read changes no free space; the display is kept fresh for media that
// are changed meanwhile, without a free-space query for every small file.
void RefreshFreeSpace(run::RunState& run) {
    const std::uint64_t now = run.Ticks().Milliseconds();
    if (run.freeSpaceShownAt != 0 && now - run.freeSpaceShownAt < kFreeSpaceInterval) return;
    run.freeSpaceShownAt = now;
    run::ShowDestinationFree(run);
}

// The size is asked for only once a file is large enough to show progress:
// a small file is read to its end before any of it shows, and a host query
// per file would cost as much as reading it.
bool ShowProgress(run::RunState& run, platform::FileHandle& file) {
    run::RunCounters& counters = run.counters;
    if (!run::FileProgressDue(run)) return true;
    if (counters.fileSize < 0) counters.fileSize = file.Size();
    if (counters.fileSize < 0) return false;
    run::ShowFileProgress(run);
    return true;
}

ReadOutcome ReadFailed(platform::FileHandle& file) {
    return ReadOutcome{ReadResult::ReadFailed, file.LastError()};
}

// Reads block after block until a short one, which is the end of the file.
ReadOutcome ReadBlocks(run::RunState& run, platform::FileHandle& file,
                       support::Crc32Register& sum) {
    const bool crc = run.Settings().crc;
    std::uint8_t* const buffer = run.buffer.Data();
    const auto blockSize = static_cast<std::int64_t>(run.buffer.Size());
    run::RunCounters& counters = run.counters;
    for (;;) {
        const std::int64_t count = file.Read(buffer, blockSize);
        if (!run::KeepGoing(run)) return ReadOutcome{ReadResult::Stopped};
        if (count < 0) return ReadFailed(file);
        if (count > 0 && crc) {
            support::Crc32Update(buffer, static_cast<std::size_t>(count), sum);
        }
        counters.fileBytesRead += count;
        if (!ShowProgress(run, file)) return ReadFailed(file);
        if (count < blockSize) {
            if (counters.fileSize < 0) counters.fileSize = counters.fileBytesRead;
            return ReadOutcome{};
        }
    }
}

}  // namespace

std::string ReadFailureReason(const ReadOutcome& outcome) {
    if (outcome.result == ReadResult::Done || outcome.result == ReadResult::Stopped) return {};
    return platform::HostErrorReason(outcome.error);
}

ReadOutcome ReadBFile(run::RunState& run, const std::string& name) {
    platform::FileSystem& fs = run.Fs();
    std::unique_ptr<platform::FileHandle> file =
        fs.Open(name, platform::Access::Read, platform::Disposition::OpenExisting);
    if (!file) return ReadOutcome{ReadResult::CannotOpen, fs.LastError()};
    const bool nodata = run.Settings().nodata;
    run.counters.fileSize = nodata ? file->Size() : -1;
    run.counters.fileBytesRead = 0;
    RefreshFreeSpace(run);
    support::Crc32Register sum;
    support::Crc32Init(sum);
    ReadOutcome outcome;
    if (nodata) {
        if (run.counters.fileSize < 0) outcome = ReadFailed(*file);
    } else {
        // Where the host cannot drop them (a file system in memory), the
        // pages are read as they are; that is no fault of the medium.
        file->DropCachedPages();
        outcome = ReadBlocks(run, *file, sum);
    }
    if (outcome.result == ReadResult::Done) {
        support::Crc32Final(sum);
        outcome.crc = sum.value;
        outcome.crcBytes = static_cast<std::int64_t>(sum.byteTotal);
    }
    file->Close();
    return outcome;
}

}  // namespace brenx::jobs
