#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/process_starter.h"

// The host's services as a program builds them. The back end built for the
// host (platform/posix; platform/win32 for Windows) makes them; everything
// above the host layer sees only the interfaces.
namespace brenx::platform {

// The file system of the running program, set up from the host's own
// configuration (the drive table of BRENX_DRIVES and BRENX_UNC on POSIX).
// From here on it keeps the current directory: the process itself is moved
// to wherever it holds no medium.
std::unique_ptr<FileSystem> MakeHostFileSystem();

// The entries of the host's drive configuration that could not be used, for
// the operator to be told; none for a file system that MakeHostFileSystem
// did not make.
std::vector<std::string> HostDriveProblems(const FileSystem& fileSystem);

// Starts command lines on this host, with the drives and the current
// directory of `fileSystem`, which MakeHostFileSystem made (any other is
// refused at each start: NotSupported).
std::unique_ptr<ProcessStarter> MakeHostProcessStarter(FileSystem& fileSystem);

}  // namespace brenx::platform
