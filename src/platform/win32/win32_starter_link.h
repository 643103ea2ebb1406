#pragma once

#include <memory>

#include "platform/process_starter.h"
#include "platform/win32/win32_file_system.h"

namespace brenx::platform {

// The process starter over CreateProcessW (win32_process_starter.cpp), with
// the current directory of the file system and its host paths.
std::unique_ptr<ProcessStarter> MakeWin32ProcessStarter(Win32FileSystem& fileSystem);

}  // namespace brenx::platform
