#pragma once

#include <string>

#include "platform/host_error.h"

namespace brenx::platform {

// The error for a Windows error code (GetLastError). Codes with no kind of
// their own keep their number (HostErrorOfNumber), so the operator reads
// Windows' own words for them; Other when the code cannot be kept so.
HostError HostErrorFromWin32(unsigned long code);

// Windows' own words for an error code (FormatMessageW), in UTF-8 without
// the line end; "Windows error N" when the system has none.
std::string Win32ErrorWords(unsigned long code);

}  // namespace brenx::platform
