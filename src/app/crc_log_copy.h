#pragma once

#include <string>

namespace brenx::run {
class RunState;
}

namespace brenx::app {

// Where the CRC log's copy goes: "b" and the log's file name in the
// destination root (dst_root).
std::string CrcLogCopyName(run::RunState& run);

// Copies the CRC log into the destination root once a copy run has ended
// well, so that the media carry their own proof. Only for a log named
// without a path (an explicit log stays where it was put), with crc and
// CRCCopy on and nocopy off. A log larger than the free space asks for new
// media; a copy that fails is reported and changes nothing else. The copy is
// flushed onto the medium.
void CopyCrcLogToDestination(run::RunState& run);

}  // namespace brenx::app
