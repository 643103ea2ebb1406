#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brenx::platform {

// True when a host file name cannot stand in a Windows path: it holds a
// backslash (which a path would take for a separator) or a character below 32.
// Such names are listed as they are, marked, so that the walks can pass them over.
bool IsStrangeHostName(std::string_view name);

// The names that a strange host name would put into a path if it were joined
// to a directory, when one of them is "." or ".." (a path made with it could
// leave its directory); empty when the name is harmless in a path.
std::vector<std::string> EscapingPieces(std::string_view name);

// True when `pieces` occurs, in order and next to each other, in `components`.
bool ContainsSequence(const std::vector<std::string>& components,
                      const std::vector<std::string>& pieces);

}  // namespace brenx::platform
