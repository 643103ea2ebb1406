#include "support/file_address.h"

#include "support/text_primitives.h"

namespace brenx::support {
namespace {

bool KeptAsItIs(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~' || c == '/';
}

void AppendEscaped(std::string& address, std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (KeptAsItIs(c)) {
            address += ch;
        } else {
            address += '%';
            address += kHex[c >> 4];
            address += kHex[c & 0x0F];
        }
    }
}

std::string WithSlashes(std::string_view windowsPath) {
    std::string path(windowsPath);
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
    return path;
}

// The host paths of Windows: "C:\dir" keeps its drive after the slashes
// ("file:///C:/dir"), "\\server\share" names the server as the address's host.
bool AppendWindowsPath(std::string& address, std::string_view hostPath) {
    if (hostPath.size() >= 3 && IsAsciiLetter(hostPath[0]) && hostPath[1] == ':' &&
        hostPath[2] == '\\') {
        address += '/';
        address += hostPath.substr(0, 2);
        AppendEscaped(address, WithSlashes(hostPath.substr(2)));
        return true;
    }
    if (hostPath.starts_with("\\\\")) {
        AppendEscaped(address, WithSlashes(hostPath.substr(2)));
        return true;
    }
    return false;
}

}  // namespace

std::string FileAddress(std::string_view hostPath, std::string_view fragment) {
    std::string address = "file://";
    if (!AppendWindowsPath(address, hostPath)) AppendEscaped(address, hostPath);
    if (!fragment.empty()) {
        address += '#';
        AppendEscaped(address, fragment);
    }
    return address;
}

}  // namespace brenx::support
