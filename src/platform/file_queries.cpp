#include "platform/file_queries.h"

#include "platform/file_attributes.h"

namespace brenx::platform {

bool FullPathName(FileSystem& fileSystem, std::string& name) {
    std::string full;
    if (!fileSystem.FullPathName(name, full)) return false;
    name = std::move(full);
    return true;
}

std::string ShortPathName(FileSystem& fileSystem, const std::string& path) {
    std::string shortPath;
    return fileSystem.ShortPathName(path, shortPath) ? shortPath : path;
}

std::int64_t FileSize64(FileSystem& fileSystem, const std::string& name) {
    std::string full = name;
    FullPathName(fileSystem, full);
    const std::size_t slash = full.find_last_of("\\/");
    const std::string wanted = slash == std::string::npos ? full : full.substr(slash + 1);
    std::unique_ptr<DirectorySearch> search = fileSystem.FindFirst(full, kAttrAnyFile);
    if (!search) return -1;
    SearchEntry entry;
    std::int64_t first = -1;
    while (search->Next(entry)) {
        // The size of an entry that could not be looked at is not known.
        const std::int64_t size = entry.lookError == HostError::None ? SearchRecordSize(entry) : -1;
        if (entry.name == wanted) return size;
        if (first < 0) first = size;
    }
    return first;
}

HostError LookAtEntry(FileSystem& fileSystem, const std::string& path, SearchEntry& entry) {
    const std::size_t slash = path.find_last_of("\\/");
    const std::string wanted = slash == std::string::npos ? path : path.substr(slash + 1);
    std::unique_ptr<DirectorySearch> search = fileSystem.FindFirst(path, kAttrAnyFile);
    if (!search) return fileSystem.LastError();
    SearchEntry found;
    while (search->Next(found)) {
        if (found.name != wanted) continue;
        if (found.lookError != HostError::None) return found.lookError;
        entry = std::move(found);
        return HostError::None;
    }
    const HostError error = search->LastError();
    return error == HostError::None ? HostError::NotFound : error;
}

std::int64_t FreeBytesAvailable(FileSystem& fileSystem, const std::string& path) {
    return fileSystem.FreeBytesAvailable(path);
}

}  // namespace brenx::platform
