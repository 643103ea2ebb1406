#pragma once

#include <sys/stat.h>

#include <string>

#include "platform/host_error.h"

// The archive attribute on a POSIX host. A file "has the archive bit" until it
// is cleared; clearing records the file's modification time and size in an
// extended attribute, and the bit is set again as soon as either differs from
// the record, or when this layer opens the file for writing (which removes it).
namespace brenx::platform {

// The extended attribute that holds the record.
inline constexpr const char* kArchiveClearedAttribute = "user.brenx.archive-cleared";

// Whether the file (reached through links) carries a record that matches its
// modification time and size as given in `status`.
bool IsArchiveClear(const std::string& hostPath, const struct stat& status);

// The file's record, when it has one (a file without one needs no look at
// its time and size).
bool ReadArchiveRecord(const std::string& hostPath, std::string& record);
// Whether a record matches the time and size in `status`.
bool RecordMatches(const std::string& record, const struct stat& status);

// Records the file's current modification time and size. NotSupported where
// the file system has no extended attributes.
HostError ClearArchive(const std::string& hostPath);

// Removes the record, so the file has the archive bit again. A file system
// without extended attributes has it always, so that is no failure.
HostError SetArchive(const std::string& hostPath);

// SetArchive on an open file.
void SetArchiveOnOpenFile(int fd);

// ClearArchive and SetArchive on an open file (opened for reading will do),
// with their results.
HostError ClearArchiveOfOpenFile(int fd);
HostError SetArchiveOfOpenFile(int fd);

}  // namespace brenx::platform
