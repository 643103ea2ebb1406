#include "console/progress_line.h"

namespace brenx::console {

std::string_view LastLine(std::string_view text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.remove_suffix(1);
    const std::size_t end = text.find_last_of("\r\n");
    return end == std::string_view::npos ? text : text.substr(end + 1);
}

std::string ProgressLine(const ProgressParts& parts) {
    std::string line;
    for (const std::string_view part :
         {std::string_view(parts.fileName), LastLine(parts.status),
          std::string_view(parts.freeSpace), std::string_view(parts.randomWait),
          std::string_view(parts.throughput)}) {
        if (part.empty()) continue;
        if (!line.empty()) line += " | ";
        line += part;
    }
    return line;
}

}  // namespace brenx::console
