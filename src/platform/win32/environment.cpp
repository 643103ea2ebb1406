#include "platform/environment.h"

#include <vector>

#include "platform/win32/win32_text.h"
#include "platform/win32/windows_api.h"

namespace brenx::platform {

// Read wide, so that a value in any script comes through as UTF-8.
std::string GetEnvironmentVariable(const std::string& name) {
    if (name.empty() || name.find('=') != std::string::npos) return {};
    const std::wstring wideName = WideFromUtf8(name);
    std::vector<wchar_t> buffer(256);
    for (;;) {
        ::SetLastError(ERROR_SUCCESS);
        const DWORD length = GetEnvironmentVariableW(wideName.c_str(), buffer.data(),
                                                     static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return Utf8FromWide(std::wstring_view(buffer.data(), length));
        buffer.resize(length);
    }
}

}  // namespace brenx::platform
