#include "platform/win32/long_path.h"

#include "platform/win32/win32_text.h"

namespace brenx::platform {

std::wstring LongPathOf(const std::string& hostPath) {
    std::wstring wide;
    // A name that is not UTF-8 could turn into another one: no path at all.
    if (!WideFromUtf8(hostPath, wide) || wide.empty()) return {};
    if (wide.rfind(L"\\\\?\\", 0) == 0) return wide;
    if (wide.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + wide.substr(2);
    return L"\\\\?\\" + wide;
}

std::string HostPathFromWide(const std::wstring& widePath) {
    if (widePath.rfind(L"\\\\?\\UNC\\", 0) == 0) return "\\\\" + Utf8FromWide(widePath.substr(8));
    if (widePath.rfind(L"\\\\?\\", 0) == 0) return Utf8FromWide(widePath.substr(4));
    return Utf8FromWide(widePath);
}

}  // namespace brenx::platform
