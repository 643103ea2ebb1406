#pragma once

namespace brenx::run {
class RunState;
}

namespace brenx::jobs {

// The verify status line: "#files — bytes bytes (media note, crc errors crc
// errors)", the media note naming the bytes on the current media once the
// media changed.
void ShowVerifyCounts(run::RunState& run);

// Marks a media change in the log, where a later verify shows it to the
// operator at the same point: "|:Changed Media" in a CRC log, otherwise
// "Changed Media". The copy calls it once new media took a file that did not
// fit.
void MarkMediaChange(run::RunState& run);

}  // namespace brenx::jobs
