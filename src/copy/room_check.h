#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace brenx::run {
class RunState;
}

namespace brenx::copy {

// Whether a copy fits on its destination.
enum class Room {
    Fits,         // into the free space, beside whatever is there
    FitsInPlace,  // only in the place of a same-named file that it replaces
    None,         // not at all
};

// Whether a source of `size` bytes fits into the destination's free space as
// last measured. When it does not, a destination file of the same name
// (letter case aside) counts as space the copy takes over, less 1,024 bytes;
// not on CD-R media, which do not give back the space of a replaced file.
// With no such file the need becomes the size plus 1,025.
// `destinationSize` is the same-named file's size when already known (-1:
// none there), std::nullopt to ask.
Room RoomFor(run::RunState& run, const std::string& source, const std::string& destination,
             std::int64_t size, std::optional<std::int64_t> destinationSize = std::nullopt);

}  // namespace brenx::copy
