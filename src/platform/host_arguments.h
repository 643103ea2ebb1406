#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/drive_map.h"
#include "platform/host_error.h"

namespace brenx::platform {

// The host's argument list for a Windows command line: split by
// SplitWindowsCommandLine, then the program and every argument that is an
// absolute Windows path (d:\..., d:/..., \\server\share...) given its host
// path through the drive map; a relative program path with a separator is
// taken from `currentDirectory`. Other arguments pass unchanged. Fails with
// NoMedia when the program lies on a drive without a mapping, InvalidArgument
// for an empty command.
HostError HostArguments(std::string_view commandLine, const DriveMap& drives,
                        std::string_view currentDirectory, std::vector<std::string>& arguments);

}  // namespace brenx::platform
