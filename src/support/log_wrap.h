#pragma once

#include <string>
#include <string_view>

namespace brenx::support {

// Wraps a long log entry into lines of at most 78 characters where it can:
// a line breaks at the first space after which the next word would take it
// past 78 characters, and that space is dropped. A word longer than 78
// characters stands on a line of its own. A line break the text holds
// already ends a line there: the count starts again after it. Every line ends with a line break,
// the last one too; an empty text gives an empty result. After the first
// break at most 50000 characters of the rest are kept.
std::string WrapForLog(std::string_view text);

}  // namespace brenx::support
