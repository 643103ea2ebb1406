#pragma once

#include <string_view>

namespace brenx::platform {

// Whether a file name matches a search pattern by the rules of a Windows
// directory search:
// - "*" matches any run of characters; "*.*" matches every name, with or
//   without a dot.
// - "?" matches one character, but not a dot; before a dot or at the end of
//   the pattern it also matches nothing ("file?.txt" matches "file.txt").
// - A "*" directly before a dot does not run past the name's last dot, and a
//   dot followed by a wildcard or ending the pattern also matches the end of
//   the name: "*." matches the names without a dot, "abc.*" matches "abc".
// - Letters are compared without regard to case (ASCII letters only).
// Characters are UTF-8 sequences: "?" takes a whole multi-byte character.
bool MatchesWildcard(std::string_view name, std::string_view pattern);

}  // namespace brenx::platform
