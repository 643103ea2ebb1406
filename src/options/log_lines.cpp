#include "options/log_lines.h"

#include "support/number_text.h"

namespace brenx::options {

// Written for every file copied, so built without a format.
std::string CrcLogLine(std::string_view destinationPath, std::uint32_t crc) {
    std::string line;
    line.reserve(destinationPath.size() + 10);
    line += '|';
    line.append(destinationPath);
    line += '|';
    support::AppendHexNumber(line, crc);
    return line;
}

bool IsCrcLine(std::string_view line) {
    return line.starts_with('|') && !line.starts_with("|:");
}

std::string MessageLogLine(std::string_view text) {
    return "|:" + std::string(text);
}

}  // namespace brenx::options
