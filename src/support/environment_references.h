#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace brenx::support {

// Looks up an environment variable by name; an empty result means that the
// variable is unset or empty. The host layer supplies the real one.
using EnvironmentLookup = std::function<std::string(const std::string& name)>;

// Replaces %NAME% references by the variables' values. "%%" outside a
// reference gives one "%"; inside a reference, "%%" after at least one name
// character puts one "%" into the name. A reference to an unset or empty
// variable stays as written when `keepUnset` is true and vanishes otherwise.
// A reference still open at the end of the text is dropped. An empty lookup
// treats every variable as unset.
std::string ExpandEnvironmentReferences(std::string_view text, bool keepUnset,
                                        const EnvironmentLookup& lookup);

// When `evarize` is on, expands the text's references in place (unset ones
// vanish); otherwise leaves it.
void ExpandIfEvarize(std::string& text, bool evarize, const EnvironmentLookup& lookup);

}  // namespace brenx::support
