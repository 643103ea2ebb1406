#pragma once

#include <cstdint>
#include <string>

#include "platform/file_system.h"

namespace brenx::platform {

// Replaces the name by its full path; the whole path, however long (a cut
// path would name another directory). False, with the name unchanged, when
// no full path can be made of it.
bool FullPathName(FileSystem& fileSystem, std::string& name);

// The short form of an existing path; the path itself when there is none.
std::string ShortPathName(FileSystem& fileSystem, const std::string& path);

// The size of the directory entry that the name matches (directories
// included, with size 0); -1 when nothing matches or the entry could not be
// looked at (its size is not known). When the name itself holds
// wildcard characters (a host name may), the entry of exactly that name wins
// over others that the pattern matches.
std::int64_t FileSize64(FileSystem& fileSystem, const std::string& name);

// Looks at one directory entry again by its path, after a search could not
// (SearchEntry::lookError): `entry` becomes the entry as a search lists it.
// None when it could be looked at now; otherwise why not (NotFound when
// nothing of that name is there any more).
HostError LookAtEntry(FileSystem& fileSystem, const std::string& path, SearchEntry& entry);

// The free bytes available to the caller on the volume that holds the path;
// -1 when that cannot be told (a drive with no media, say).
std::int64_t FreeBytesAvailable(FileSystem& fileSystem, const std::string& path);

}  // namespace brenx::platform
