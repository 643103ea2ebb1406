#pragma once

#include <string>

namespace brenx::platform {

// Why a host call failed, in the terms the program reports to the operator.
// Each back end maps its host's error numbers onto these (posix/errno_error.h).
enum class HostError {
    None,
    NotFound,          // the file (the last name of the path) does not exist
    PathNotFound,      // a directory on the way does not exist or is not a directory
    AccessDenied,      // permission, a read-only file, or a directory where a file is wanted
    WriteProtected,    // the medium is mounted read-only
    NoSpace,           // the medium or the caller's quota is full
    FileTooLarge,      // the file system cannot hold a file this large
    IoError,           // the medium failed to read or write
    NoMedia,           // a drive letter with no mapping, or a device with no medium
    AlreadyExists,     // a directory or file that must be new exists already
    SharingViolation,  // the file is busy (in use by the system)
    InvalidName,      // the name cannot be one on this host or medium, or could leave its directory
    NameTooLong,      // a name or the whole path is longer than the file system takes
    LinkLoop,         // symbolic links on the way lead round in a circle
    LinkRefused,      // a link stands where a call that must not follow links would go
    InvalidArgument,  // a value the call cannot take (a bad date, a negative offset)
    TooManyOpenFiles,  // the process or the system has no more file handles
    NotSupported,      // the host file system cannot do this (extended attributes)
    Other,             // anything else, when the host gave no number for it
};

// An error that none of the kinds above names (ESTALE, ETIMEDOUT, ...) keeps
// the host's own number, so that the operator reads the host's words for it
// rather than none: its value is kHostNumberBase plus the number. Like
// Other, it equals none of the named kinds.
inline constexpr int kHostNumberBase = 0x10000;
HostError HostErrorOfNumber(int hostNumber);
// The host's own number of such an error; 0 for the named kinds.
int HostNumberOf(HostError error);

// A short sentence for messages and logs: the words Windows has for its own
// errors, the program's or the host's for the others.
std::string HostErrorText(HostError error);

}  // namespace brenx::platform
