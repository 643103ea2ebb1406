#include "platform/win32/long_path.h"

#include "platform/win32/host_pieces_scratch.h"

namespace brenx::platform {

std::wstring LongPathOf(const std::string& hostPath) {
    if (hostPath.rfind("\\\\?\\", 0) == 0) return WideFromUtf8(hostPath);
    if (hostPath.rfind("\\\\", 0) == 0) return L"\\\\?\\UNC\\" + WideFromUtf8(hostPath.substr(2));
    return L"\\\\?\\" + WideFromUtf8(hostPath);
}

std::string HostPathFromWide(const std::wstring& widePath) {
    if (widePath.rfind(L"\\\\?\\UNC\\", 0) == 0) return "\\\\" + Utf8FromWide(widePath.substr(8));
    if (widePath.rfind(L"\\\\?\\", 0) == 0) return Utf8FromWide(widePath.substr(4));
    return Utf8FromWide(widePath);
}

}  // namespace brenx::platform
