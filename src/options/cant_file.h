#pragma once

#include <string>

#include "options/job_settings.h"
#include "platform/file_system.h"

namespace brenx::options {

// True when the cant_file pattern list in `directory` (which ends with a
// backslash) has a pattern that matches `name` there. The list holds one
// wildcard pattern per line; leading blanks, blank lines and lines beginning
// with ";" are passed over, and each pattern is trimmed at both ends and
// searched for in the directory with every attribute; a found entry whose name
// equals `name` without regard to case is a match. Lines end at CR, LF or
// CR LF, and a last line without a line end counts too. False without a
// cant_file, and when the list cannot be opened.
bool IsListedInCantFile(platform::FileSystem& fileSystem, const JobSettings& settings,
                        const std::string& directory, const std::string& name);

}  // namespace brenx::options
