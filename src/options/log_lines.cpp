#include "options/log_lines.h"

#include "support/safe_format.h"

namespace brenx::options {

std::string CrcLogLine(std::string_view destinationPath, std::uint32_t crc) {
    return support::SafeFormat("|%s|%x", {destinationPath, crc});
}

std::string MessageLogLine(std::string_view text) {
    return "|:" + std::string(text);
}

}  // namespace brenx::options
