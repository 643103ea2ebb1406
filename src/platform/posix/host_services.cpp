#include "platform/host_services.h"

#include "platform/drive_map.h"
#include "platform/posix/host_process_starter.h"
#include "platform/posix/posix_file_system.h"

namespace brenx::platform {

std::unique_ptr<FileSystem> MakeHostFileSystem() {
    auto fileSystem = std::make_unique<PosixFileSystem>(DriveMap::FromEnvironment());
    // The file system has taken the current directory over.
    MoveProcessToRoot();
    return fileSystem;
}

std::vector<std::string> HostDriveProblems(const FileSystem& fileSystem) {
    const auto* posix = dynamic_cast<const PosixFileSystem*>(&fileSystem);
    return posix == nullptr ? std::vector<std::string>() : posix->Drives().Problems();
}

std::unique_ptr<ProcessStarter> MakeHostProcessStarter(FileSystem& fileSystem) {
    auto* posix = dynamic_cast<PosixFileSystem*>(&fileSystem);
    if (posix == nullptr) return std::make_unique<RefusingProcessStarter>();
    return std::make_unique<HostProcessStarter>(*posix);
}

}  // namespace brenx::platform
