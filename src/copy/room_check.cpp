#include "copy/room_check.h"

#include "platform/file_queries.h"
#include "run/name_parts.h"
#include "run/run_state.h"
#include "support/text_primitives.h"

namespace brenx::copy {
namespace {

// The space a same-named file leaves to its replacement.
constexpr std::int64_t kReplacementSlack = 1024;

bool SameFileName(const std::string& source, const std::string& destination) {
    const std::string a = run::FileNamePart(source);
    const std::string b = run::FileNamePart(destination);
    return a.size() == b.size() && (a.empty() || support::KeyPosition(a, b) == 1);
}

}  // namespace

Room RoomFor(run::RunState& run, const std::string& source, const std::string& destination,
             std::int64_t size, std::optional<std::int64_t> destinationSize) {
    const std::int64_t free = run.counters.dstBytesFree;
    if (free >= size) return Room::Fits;
    if (run.flags.cdrMode || !SameFileName(source, destination)) return Room::None;
    const std::int64_t replaced =
        destinationSize ? *destinationSize : platform::FileSize64(run.Fs(), destination);
    return free >= size - (replaced - kReplacementSlack) ? Room::FitsInPlace : Room::None;
}

}  // namespace brenx::copy
