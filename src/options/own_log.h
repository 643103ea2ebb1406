#pragma once

#include <string>

#include "platform/file_system.h"

namespace brenx::options {

// Makes a log file that no other run writes into: the file is created new,
// under `path` or, when something has that name already, under the first
// free name of NumberedLogName (df~_2612061806_2.bnx, _3, ...). Creating it
// is what claims a name, so two runs started at the same moment never take
// the same one. Returns the name of the file made; `path` itself when none
// could be made there (the log then tells its loss at its first entry).
std::string CreateOwnLog(platform::FileSystem& fileSystem, const std::string& path);

// The name with "_<number>" put before its extension (the last dot of its
// last name), or after it when it has none.
std::string NumberedLogName(const std::string& path, int number);

}  // namespace brenx::options
