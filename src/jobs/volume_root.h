#pragma once

#include <string>
#include <string_view>

namespace brenx::jobs {

// The root of the volume that holds the path: for a network path
// (\\server\share\dir) everything up to and including the backslash after the
// share; otherwise the first three characters in lower case (E:\Backup\ gives
// e:\). A network path with fewer backslashes is treated the second way. An
// empty result is a single blank.
std::string VolumeRoot(std::string_view path);

}  // namespace brenx::jobs
