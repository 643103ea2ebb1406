#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The lines that the log writer and the CRC-log reader share. A line that
// begins with "|" is either a CRC line "|path|CRC" or a message line "|:text";
// no other log entry begins with "|".
namespace brenx::options {

// The separator that starts every run header: 56 "=".
inline constexpr std::string_view kLogSeparator =
    "========================================================";

// "|path|CRC": the destination path as the copy received it and the CRC-32 in
// upper-case hexadecimal without leading zeros.
std::string CrcLogLine(std::string_view destinationPath, std::uint32_t crc);

// True for a CRC line: a line that begins with "|" and is no message line.
bool IsCrcLine(std::string_view line);

// "|:text": a message for the operator that verify shows again at the same place.
std::string MessageLogLine(std::string_view text);

}  // namespace brenx::options
