#pragma once

namespace brenx::run {
class RunState;
}

namespace brenx::jobs {

// The verify status line: "#files — bytes bytes (media note, crc errors crc
// errors)", the media note naming the bytes on the current media once the
// media changed.
void ShowVerifyCounts(run::RunState& run);

}  // namespace brenx::jobs
