#include "jobs/cdr_mode.h"

#include "support/ascii_case.h"

namespace brenx::jobs {

bool CdrModeFor(const std::string& destinationRoot, const std::string& notCdr) {
    if (destinationRoot.empty() || destinationRoot[0] == '\\') return false;
    const char letter = support::AsciiLower(destinationRoot[0]);
    for (const char c : notCdr) {
        if (support::AsciiLower(c) == letter) return false;
    }
    return true;
}

}  // namespace brenx::jobs
