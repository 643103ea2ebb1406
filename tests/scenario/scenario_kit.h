#pragma once

#include <zlib.h>

#include <cstdio>
#include <string>
#include <vector>

#include "brenxc_session.h"

namespace brenx::scenario {

// The settings of the scenarios' runs: the log and the counts file beside
// the settings file, in the scenario's root (drive l:).
inline const std::string kSettings = "[brenx]\r\nlog=run.log\r\ncounts=counts.txt\r\n";

// A copy of s:\ to t:\dst\ with its subdirectories, the settings file of the
// root, and whatever else is given.
inline std::vector<std::string> CopyArguments(std::vector<std::string> more = {}) {
    std::vector<std::string> arguments = {"s:\\", "t:\\dst\\", "-s", "-iL:\\brenx.ini"};
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

// The CRC-32 of the text as the log writes it: upper-case hexadecimal
// without leading zeros (computed by zlib, independently of the program).
inline std::string CrcText(const std::string& content) {
    const uLong crc = crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(content.data()),
                            static_cast<uInt>(content.size()));
    char text[16];
    std::snprintf(text, sizeof text, "%lX", crc);
    return text;
}

inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace brenx::scenario
