#include "jobs/volume_root.h"

#include "support/ascii_case.h"
#include "support/utf8.h"

namespace brenx::jobs {
namespace {

// The share root of a network path, or empty when the path has no backslash
// after its share name. The whole path is searched: a cut root would name
// another place.
std::string ShareRoot(std::string_view path) {
    if (path.substr(0, 2) != "\\\\") return std::string();
    const std::size_t afterServer = path.find('\\', 2);
    if (afterServer == std::string_view::npos) return std::string();
    const std::size_t afterShare = path.find('\\', afterServer + 1);
    if (afterShare == std::string_view::npos) return std::string();
    return std::string(path.substr(0, afterShare + 1));
}

std::string LowerDriveRoot(std::string_view path) {
    return support::AsciiLower(support::Utf8Prefix(path, 3));
}

}  // namespace

std::string VolumeRoot(std::string_view path) {
    std::string root = ShareRoot(path);
    if (root.empty()) root = LowerDriveRoot(path);
    return root.empty() ? std::string(" ") : root;
}

}  // namespace brenx::jobs
