#pragma once

#include "copy/copy_result.h"

namespace brenx::platform {
class FileHandle;
}
namespace brenx::support {
struct Crc32Register;
}
namespace brenx::run {
class RunState;
}

namespace brenx::copy {

// Moves the source's contents through the run's transfer buffer, one full
// buffer per read: into the destination when there is one, and into the
// copy's CRC register `sum` when crc is on. A read that comes back short is
// the end of the file; a whole transfer's outcome carries the bytes that
// passed. Counts fileBytesRead for the progress shown; once more than
// 1,000,000 bytes of the file have passed, the free-space line shows
// "read/size". Polls KeepGoing after every block. Fails (kCopyBroken, with
// the step and the host's reason) when a read failed (an error is no end of
// file), a block was written short, or the run was stopped.
CopyOutcome Transfer(run::RunState& run, platform::FileHandle& source,
                     platform::FileHandle* destination, support::Crc32Register& sum);

}  // namespace brenx::copy
