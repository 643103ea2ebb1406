#pragma once

// Stand-ins for the other back-end files (win32_text.h, win32_error.h) until
// they land; removed then.
#include <string>
#include <string_view>

#include "platform/host_error.h"

namespace brenx::platform {

std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);
HostError HostErrorFromWin32(unsigned long code);

}  // namespace brenx::platform
