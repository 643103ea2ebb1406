#pragma once

#include <string>
#include <string_view>

namespace brenx::console {

// What the progress line is made of: the board's texts as the engine last
// set them.
struct ProgressParts {
    std::string fileName;
    std::string status;  // the status lines; the last one is the counters
    std::string freeSpace;
    std::string throughput;
    std::string randomWait;  // the random-wait box, empty when it is hidden
};

// One line: the file, the counters, the free space (or the file's progress)
// and the throughput, each part that has something to show, separated by " | ".
std::string ProgressLine(const ProgressParts& parts);

// The last line of a text whose lines end with CR LF (or LF).
std::string_view LastLine(std::string_view text);

}  // namespace brenx::console
