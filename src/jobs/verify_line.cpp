#include "jobs/verify_line.h"

#include "support/number_text.h"

namespace brenx::jobs {

VerifyLine ParseVerifyLine(std::string_view line) {
    VerifyLine parsed;
    if (line.empty() || line[0] != '|') return parsed;
    if (line.substr(0, 2) == "|:") {
        parsed.kind = VerifyLine::Kind::Message;
        parsed.text = std::string(line.substr(2));
        return parsed;
    }
    const std::size_t bar = line.find('|', 1);
    if (bar == std::string_view::npos) {
        parsed.kind = VerifyLine::Kind::MissingBar;
        return parsed;
    }
    // No name holds a bar, so a third one means that another line was
    // glued on (a lost line end, a torn write): checking the first file
    // alone would pass the others over unchecked.
    if (line.find('|', bar + 1) != std::string_view::npos) {
        parsed.kind = VerifyLine::Kind::RunTogether;
        return parsed;
    }
    parsed.kind = VerifyLine::Kind::Crc;
    parsed.text = std::string(line.substr(1, bar - 1));
    parsed.crc = support::ParseHex(line.substr(bar + 1));
    return parsed;
}

}  // namespace brenx::jobs
