#pragma once

#include <cstdint>
#include <string>

#include "copy/copy_result.h"
#include "platform/file_handle.h"

namespace brenx::run {
class RunState;
}

namespace brenx::copy {

// Looks at the open source once its bytes have passed. A source whose size
// or date differs from `before` (what was seen of it before the copy), or
// whose size differs from the `bytes` that passed (unless no data was read,
// nodata), changed while it was copied: the copy holds neither version for
// sure. That is logged with the file and counted (changedSources); the copy
// stands, and its CRC line describes what was copied. Fails (kCopyBroken)
// only when the source cannot be looked at: then nothing vouches for the
// copy.
CopyOutcome CheckSourceUnchanged(run::RunState& run, const std::string& source,
                                 platform::FileHandle& handle, const platform::FileStatus& before,
                                 std::int64_t bytes, bool dataRead);

}  // namespace brenx::copy
