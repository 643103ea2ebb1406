#include "copy/room_check.h"

#include "platform/file_queries.h"
#include "run/name_parts.h"
#include "run/run_state.h"
#include "support/ascii_case.h"

namespace brenx::copy {
namespace {

// The space a same-named file leaves to its replacement.
constexpr std::int64_t kReplacementSlack = 1024;

bool SameFileName(const std::string& source, const std::string& destination) {
    return support::SameTextIgnoringAsciiCase(run::FileNamePart(source),
                                              run::FileNamePart(destination));
}

}  // namespace

Room RoomFor(run::RunState& run, const std::string& source, const std::string& destination,
             std::int64_t size, std::optional<std::int64_t> destinationSize) {
    const std::int64_t free = run.counters.dstBytesFree;
    if (free >= size) return Room::Fits;
    if (run.copySession.cdrMode || !SameFileName(source, destination)) return Room::None;
    const std::int64_t replaced =
        destinationSize ? *destinationSize : platform::FileSize64(run.Fs(), destination);
    return free >= size - (replaced - kReplacementSlack) ? Room::FitsInPlace : Room::None;
}

}  // namespace brenx::copy
