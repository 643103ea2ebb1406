#pragma once

#include <string>

#include "platform/file_system.h"

// The directories the program knows, and names resolved against them.
namespace brenx::platform {

// The directory of the program's own file, without a trailing backslash.
std::string ProgramDirectory(FileSystem& fileSystem);
// ProgramDirectory followed by one backslash.
std::string ProgramDirectoryWithBackslash(FileSystem& fileSystem);
// The current directory with exactly one trailing backslash.
std::string CurrentDirectoryWithBackslash(FileSystem& fileSystem);

// A non-empty name without a backslash or a colon gets the current directory
// in front.
void ResolveInCurrentDirectory(FileSystem& fileSystem, std::string& name);
// A non-empty name without a colon, whose first backslash (if any) is not its
// first character, gets the program's directory in front.
void ResolveInProgramDirectory(FileSystem& fileSystem, std::string& name);

}  // namespace brenx::platform
