#pragma once

#include <string>

namespace brenx::jobs {

// Whether a copy to this destination root is treated as a packet-written
// CD-R: not on a network share (\\server\share\), and not on a drive whose
// letter NotCDR names (letter case ignored). The default NotCDR names every
// letter, so no drive is a CD-R.
bool CdrModeFor(const std::string& destinationRoot, const std::string& notCdr);

}  // namespace brenx::jobs
