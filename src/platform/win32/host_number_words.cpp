#include "platform/host_reason.h"
#include "platform/win32/host_pieces_scratch.h"
#include "platform/win32/windows_api.h"

namespace brenx::platform {

// The system's own message for an error code, without its line end.
std::string HostNumberWords(int hostNumber) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(hostNumber), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    if (length == 0 || text == nullptr) return "system error " + std::to_string(hostNumber);
    std::string words = Utf8FromWide(std::wstring_view(text, length));
    LocalFree(text);
    while (!words.empty() && (words.back() == '\n' || words.back() == '\r' || words.back() == ' '))
        words.pop_back();
    return words;
}

}  // namespace brenx::platform
