#include "platform/host_names.h"

#include <algorithm>

#include "platform/windows_path.h"

namespace brenx::platform {

bool IsStrangeHostName(std::string_view name) {
    return std::any_of(name.begin(), name.end(),
                       [](char c) { return c == '\\' || static_cast<unsigned char>(c) < 32; });
}

std::vector<std::string> EscapingPieces(std::string_view name) {
    if (name.find('\\') == std::string_view::npos) return {};
    std::vector<std::string> pieces = SplitAtSeparators(name);
    const bool escapes = std::any_of(pieces.begin(), pieces.end(), [](const std::string& piece) {
        return piece == "." || piece == "..";
    });
    return escapes ? pieces : std::vector<std::string>{};
}

bool ContainsSequence(const std::vector<std::string>& components,
                      const std::vector<std::string>& pieces) {
    if (pieces.empty()) return false;
    return std::search(components.begin(), components.end(), pieces.begin(), pieces.end()) !=
           components.end();
}

}  // namespace brenx::platform
