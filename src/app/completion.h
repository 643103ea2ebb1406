#pragma once

#include <cstdint>

namespace brenx::run {
class RunState;
}
namespace brenx::jobs {
class DestinationFlush;
}

namespace brenx::app {

// How a run ended: its exit code, and whether the main window closes now. It
// stays open only when the tidy program failed to start, so that the
// operator sees the run is over and closes it.
struct RunEnd {
    std::int32_t exitCode = 0;
    bool windowCloses = true;
};

// The end of every run: the totals into the log (with the skipped files'
// count when any was skipped), a last wait on CD-R media, what the log lost
// (a lost CRC line fails the run, exit code 23), FailOnSkips (a run that
// skipped files fails, exit code 24), the destinations flushed onto their
// media, the success or failure banner, the counts file, the CRC log's copy
// on the destination, the skip, CRC-error, wrong-date, kept-archive-bit,
// passed-over and non-regular messages, then the tidy program.
RunEnd Completion(run::RunState& run, jobs::DestinationFlush& flush);

// After the last job of a spec file, when all went well (and FailOnSkips
// found no skipped file): the success banner, the CRC log's copy, and the
// closing notice with the skip total.
void SpecFileEnding(run::RunState& run, jobs::DestinationFlush& flush);

// Skipped files the closing messages count: BLRautoSkips and option skips,
// and files not newer unless noskipmsg.
std::int64_t SkipTotal(run::RunState& run);

// The skip and CRC-error messages of the run's end.
void SkipMessages(run::RunState& run);

}  // namespace brenx::app
