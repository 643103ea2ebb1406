#include "platform/host_services.h"

#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_process_starter.h"
#include "platform/win32/windows_api.h"

namespace brenx::platform {
namespace {

// The process's own working directory holds its drive: an open directory
// handle keeps a stick from being ejected. The system directory holds none
// of the media.
void MoveProcessOffTheMedia() {
    wchar_t system[MAX_PATH + 1];
    const UINT length = GetSystemDirectoryW(system, MAX_PATH + 1);
    if (length > 0 && length <= MAX_PATH) SetCurrentDirectoryW(system);
}

// An empty removable drive must fail the call that reached it (NoMedia, and
// the program's own question), never put up the system's "There is no disk
// in the drive" box, which would hold an unattended run until someone came.
void KeepSystemErrorBoxesAway() {
    SetErrorMode(GetErrorMode() | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
}

}  // namespace

std::unique_ptr<FileSystem> MakeHostFileSystem() {
    KeepSystemErrorBoxesAway();
    auto fileSystem = std::make_unique<Win32FileSystem>();
    // The file system has taken the current directory over.
    MoveProcessOffTheMedia();
    return fileSystem;
}

// Windows' own drives need no table: nothing can be wrong with one.
std::vector<std::string> HostDriveProblems(const FileSystem&) {
    return {};
}

std::unique_ptr<ProcessStarter> MakeHostProcessStarter(FileSystem& fileSystem) {
    auto* win32 = dynamic_cast<Win32FileSystem*>(&fileSystem);
    if (win32 == nullptr) return std::make_unique<RefusingProcessStarter>();
    return std::make_unique<Win32ProcessStarter>(*win32);
}

}  // namespace brenx::platform
