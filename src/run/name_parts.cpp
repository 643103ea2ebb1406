#include "run/name_parts.h"

namespace brenx::run {

std::string FileNamePart(std::string_view path) {
    const std::size_t last = path.find_last_of("\\:");
    return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

}  // namespace brenx::run
