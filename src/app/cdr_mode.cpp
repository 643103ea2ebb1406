#include "app/cdr_mode.h"

namespace brenx::app {
namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool CdrModeFor(const std::string& destinationRoot, const std::string& notCdr) {
    if (destinationRoot.empty() || destinationRoot[0] == '\\') return false;
    const char letter = LowerAscii(destinationRoot[0]);
    for (const char c : notCdr) {
        if (LowerAscii(c) == letter) return false;
    }
    return true;
}

}  // namespace brenx::app
