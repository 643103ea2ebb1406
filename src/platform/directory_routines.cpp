#include "platform/directory_routines.h"

#include <vector>

#include "support/path_names.h"

namespace brenx::platform {

bool TryChangeDirectory(FileSystem& fileSystem, const std::string& path) {
    return fileSystem.SetCurrentDirectory(path);
}

bool TryMakeDirectory(FileSystem& fileSystem, const std::string& path) {
    return fileSystem.CreateDirectory(path);
}

bool ForceDirectoryPath(FileSystem& fileSystem, std::string& path, bool fixDotCrash) {
    std::vector<std::string> pieces;
    if (!support::ForceDirectoryPieces(path, fixDotCrash, pieces)) return false;
    std::string joined;
    for (const std::string& piece : pieces)
        joined += piece;
    if (!fileSystem.MakeDirectoriesWithoutLinks(joined)) return false;
    // The deepest directory becomes the current one, as if each had been
    // entered on the way; the path is there whether or not that works.
    TryChangeDirectory(fileSystem, joined);
    path = joined;
    return true;
}

}  // namespace brenx::platform
