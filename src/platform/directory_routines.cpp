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
    for (const std::string& piece : pieces) {
        joined += piece;
        if (!TryChangeDirectory(fileSystem, joined) && !TryMakeDirectory(fileSystem, joined)) {
            return false;
        }
    }
    path = joined;
    return true;
}

}  // namespace brenx::platform
