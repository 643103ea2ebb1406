#include "options/skip_rules.h"

#include "support/utf8.h"

namespace brenx::options {

std::string NewerRuleLabel(const JobSettings& settings, bool olderOrSame) {
    if (settings.DifferentOnly) return "Dif_datetime";
    return olderOrSame ? "older than or same date" : "NewerOnly";
}

bool IsCantSkipName(const JobSettings& settings, std::string_view name) {
    std::string_view characters = settings.cant_skip;
    while (!characters.empty()) {
        const std::size_t length = support::Utf8PrefixBytes(characters, 1);
        if (name.find(characters.substr(0, length)) != std::string_view::npos) return true;
        characters.remove_prefix(length);
    }
    return false;
}

}  // namespace brenx::options
