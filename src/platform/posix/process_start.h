#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/drive_map.h"
#include "platform/host_arguments.h"
#include "platform/host_error.h"

namespace brenx::platform {

// Starts a command line as a new process and does not wait for it. No shell
// ever sees the text: shell syntax in it is plain characters of the
// arguments. A program without a directory is looked for along PATH. The
// process starts in `workingDirectory` (a host path; the process's own when
// empty) and inherits the environment. True when the program is running;
// otherwise false at once, with the reason in `error` (NotFound when there
// is no such program, AccessDenied when it may not run, PathNotFound when the
// working directory cannot be entered).
bool StartCommandLine(std::string_view commandLine, const DriveMap& drives,
                      std::string_view currentDirectory, HostError& error,
                      const std::string& workingDirectory = {});

// Collects the processes started earlier that have ended, so that none stays
// behind as a zombie; the number still running. StartCommandLine calls it too.
int ReapStartedProcesses();

}  // namespace brenx::platform
