#pragma once

#include <string>

#include "copy/copy_result.h"
#include "copy/file_facts.h"

namespace brenx::run {
class RunState;
}

namespace brenx::copy {

// Copies one file in blocks through the run's transfer buffer, computing its
// CRC-32 on the way, dates the copy like its source (and, with atts, gives it
// the source's attributes, read-only added with ReadOnly), and hands the CRC
// log line ("|destination|CRC", or the destination alone without crc) to the
// log when `writeLogLine` is set. With nocopy it only reads and checksums the
// source; the log line still names the destination.
//
// It asks nothing: it returns a code of copy_result.h with the step that
// failed and the host's reason. A copy that is not needed (8), does not fit
// (9) or whose source does not open (2) leaves a destination file of the same
// name as it was: it may be the only good copy there is. A copy that fails
// after the destination was created (7: a block that could not be read or was
// written short, a failed close, a stop) deletes what it made, so no partial
// file is ever left behind; a failed create (3) deletes the name too. The
// source is only ever read. The copy's date is read back once it is set
// (DateTheCopy).
CopyOutcome CopyBFile(run::RunState& run, const std::string& source, const std::string& destination,
                      bool writeLogLine);

// CopyBFile for a file the caller knows already (the tree walk: the
// source's size and date from its directory entry, the destination from its
// directory's listing), which spares the queries per file.
CopyOutcome CopyKnownFile(run::RunState& run, const std::string& source,
                          const std::string& destination, bool writeLogLine,
                          const FileFacts& facts);

}  // namespace brenx::copy
