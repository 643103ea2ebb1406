#pragma once

#include <fcntl.h>

#include <cerrno>

#include "platform/file_system.h"

// The open flags of the POSIX host layer, shared by its ways of opening.
namespace brenx::platform {

inline int OpenFlags(Access access, Disposition disposition) {
    int flags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    switch (access) {
        case Access::Read:
            flags |= O_RDONLY;
            break;
        case Access::Write:
            flags |= O_WRONLY;
            break;
        case Access::ReadWrite:
            flags |= O_RDWR;
            break;
        case Access::Append:
            flags |= O_WRONLY | O_APPEND;
            break;
    }
    switch (disposition) {
        case Disposition::OpenExisting:
            break;
        case Disposition::CreateAlways:
            flags |= O_CREAT | O_TRUNC;
            break;
        case Disposition::OpenAlways:
            flags |= O_CREAT;
            break;
        case Disposition::CreateNew:
            flags |= O_CREAT | O_EXCL;
            break;
    }
    return flags;
}

// Whether an open with these changes the file (writes it, or truncates it).
inline bool Changes(Access access, Disposition disposition) {
    return access != Access::Read || disposition == Disposition::CreateAlways;
}

// openat, again when a signal cut it short.
inline int OpenAt(int directory, const char* name, int flags) {
    int fd = -1;
    do {
        fd = openat(directory, name, flags, 0666);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

}  // namespace brenx::platform
