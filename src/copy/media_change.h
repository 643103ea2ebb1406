#pragma once

namespace brenx::run {
class RunState;
}

namespace brenx::copy {

// Writes the media-change mark into the CRC log ("|:Changed Media", or
// "Changed Media" without CRCs), so that a verify of the log asks for the
// next media at the same place.
void MarkMediaChange(run::RunState& run);

// What new media for a file that did not fit changes: the bytes on the media
// start again from 0, the next random wait is a whole interval away, the
// destination directory must be made again, and the log gets the mark.
void TakeNewMedia(run::RunState& run);

}  // namespace brenx::copy
