#pragma once

#include <string>

#include "platform/file_system.h"

namespace brenx::platform {

// Makes the directory the current one; false when it cannot be entered. The
// program's test for whether a directory exists: a success moves there.
bool TryChangeDirectory(FileSystem& fileSystem, const std::string& path);

// Creates one directory; false on any failure.
bool TryMakeDirectory(FileSystem& fileSystem, const std::string& path);

// Creates every missing directory along the path, from the root down,
// never through a link (FileSystem::MakeDirectoriesWithoutLinks): the
// copy's destination directories are made with it. With `fixDotCrash`,
// every directory name beginning with a dot is created with
// support::kDotCrashPrefix in front, and the path is rewritten so. False
// when a directory can neither be reached nor created (a link on the way
// included), or the path has too many pieces; the path is then unchanged,
// and the directories made before the failing one stay. Once the whole path
// is there, its deepest directory is the current one.
bool ForceDirectoryPath(FileSystem& fileSystem, std::string& path, bool fixDotCrash);

}  // namespace brenx::platform
