#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace brenx::jobs {

// One line of a log as verify reads it.
struct VerifyLine {
    enum class Kind {
        Other,        // not a CRC line (an empty line included)
        Message,      // "|:text": a message for the operator
        MissingBar,   // "|..." without a second bar
        RunTogether,  // "|name|CRC|...": a bar after the CRC, so lines were run together
        Crc,          // "|name|CRC"
    };
    Kind kind = Kind::Other;
    // The message of a Message line, the logged name of a Crc line.
    std::string text;
    // The expected CRC of a Crc line: the hexadecimal digits after the second
    // bar, in either case, up to the first other character (none gives 0).
    std::uint32_t crc = 0;
};

VerifyLine ParseVerifyLine(std::string_view line);

}  // namespace brenx::jobs
