#include "support/file_address.h"

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

}  // namespace

std::string FileAddress(std::string_view hostPath, std::string_view fragment) {
    std::string address = "file://";
    AppendEscaped(address, hostPath);
    if (!fragment.empty()) {
        address += '#';
        AppendEscaped(address, fragment);
    }
    return address;
}

}  // namespace brenx::support
