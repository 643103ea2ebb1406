#include "support/environment_references.h"

namespace brenx::support {

namespace {

void AppendReference(std::string& out, const std::string& name, bool keepUnset,
                     const EnvironmentLookup& lookup) {
    if (name.empty()) {
        out += '%';
        return;
    }
    const std::string value = lookup ? lookup(name) : std::string();
    if (!value.empty()) {
        out += value;
    } else if (keepUnset) {
        out += '%';
        out += name;
        out += '%';
    }
}

}  // namespace

std::string ExpandEnvironmentReferences(std::string_view text, bool keepUnset,
                                        const EnvironmentLookup& lookup) {
    std::string out;
    out.reserve(text.size());
    std::string name;
    bool inside = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!inside) {
            if (c == '%') {
                inside = true;
                name.clear();
            } else {
                out += c;
            }
        } else if (c != '%') {
            name += c;
        } else if (!name.empty() && i + 1 < text.size() && text[i + 1] == '%') {
            name += '%';
            ++i;
        } else {
            inside = false;
            AppendReference(out, name, keepUnset, lookup);
        }
    }
    return out;
}

void ExpandIfEvarize(std::string& text, bool evarize, const EnvironmentLookup& lookup) {
    if (evarize) text = ExpandEnvironmentReferences(text, false, lookup);
}

}  // namespace brenx::support
