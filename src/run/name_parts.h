#pragma once

#include <string>
#include <string_view>

namespace brenx::run {

// The file-name part of a path: what follows its last backslash or colon
// (the whole text when it has neither).
std::string FileNamePart(std::string_view path);

}  // namespace brenx::run
