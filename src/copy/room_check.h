#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace brenx::run {
class RunState;
}

namespace brenx::copy {

// Whether a source of `size` bytes fits into the destination's free space as
// last measured. When it does not, a destination file of the same name
// (letter case aside) counts as space the copy takes over, less 1,024 bytes;
// not on CD-R media, which do not give back the space of a replaced file.
// With no such file the need becomes the size plus 1,025.
// `destinationSize` is the same-named file's size when already known (-1:
// none there), std::nullopt to ask.
bool HasRoomFor(run::RunState& run, const std::string& source, const std::string& destination,
                std::int64_t size, std::optional<std::int64_t> destinationSize = std::nullopt);

}  // namespace brenx::copy
