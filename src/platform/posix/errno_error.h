#pragma once

#include "platform/host_error.h"

namespace brenx::platform {

// The error for an errno value. ENOENT becomes NotFound; the file system turns
// it into PathNotFound when a directory on the way is missing. A medium whose
// file system went away (its FUSE server ended: ENOTCONN, ECONNABORTED; its
// device removed: ENODEV, ENXIO, ESHUTDOWN) is NoMedia.
HostError HostErrorFromErrno(int errnoValue);

}  // namespace brenx::platform
