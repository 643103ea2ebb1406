#pragma once

#include <string>
#include <vector>

namespace brenx::run {

// A choice of one file among those that a wildcard names (the verify log).
// The engine lists the candidates; the front end lets the operator pick one,
// or any file by its host path (a front end that browses the host).
struct FilePick {
    std::string title = "Select Log File";
    // What the files are, e.g. "Verify log files|*.log".
    std::string filter;
    // The directory searched, with a trailing backslash, and its host name
    // (empty when it has none) for a front end that browses the host.
    std::string directory;
    std::string hostDirectory;
    // The matching files, as full Windows paths, in the order found.
    std::vector<std::string> candidates;
};

}  // namespace brenx::run
