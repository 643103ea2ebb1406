#include "platform/posix/errno_error.h"

#include <cerrno>

namespace brenx::platform {

HostError HostErrorFromErrno(int errnoValue) {
    switch (errnoValue) {
        case 0:
            return HostError::None;
        case ENOENT:
            return HostError::NotFound;
        case ENOTDIR:
            return HostError::PathNotFound;
        case EACCES:
        case EPERM:
        case EISDIR:
            return HostError::AccessDenied;
        case EROFS:
            return HostError::WriteProtected;
        case ENOSPC:
        case EDQUOT:
            return HostError::NoSpace;
        case EFBIG:
            return HostError::FileTooLarge;
        case EIO:
        case EUCLEAN:
        case EBADMSG:
            return HostError::IoError;
        case ENXIO:
        case ENODEV:
        case ENOTCONN:
        case ECONNABORTED:
        case ESHUTDOWN:
        case ENOMEDIUM:
        case EMEDIUMTYPE:
            return HostError::NoMedia;
        case EEXIST:
        case ENOTEMPTY:
            return HostError::AlreadyExists;
        case EBUSY:
        case ETXTBSY:
        case EAGAIN:
            return HostError::SharingViolation;
        case EILSEQ:
            return HostError::InvalidName;
        case ENAMETOOLONG:
            return HostError::NameTooLong;
        case ELOOP:
            return HostError::LinkLoop;
        case EINVAL:
        case EBADF:
        case ESPIPE:
        case EOVERFLOW:
            return HostError::InvalidArgument;
        case EMFILE:
        case ENFILE:
            return HostError::TooManyOpenFiles;
        case ENOTSUP:
        case ENOSYS:
            return HostError::NotSupported;
        default:
            return errnoValue > 0 ? HostErrorOfNumber(errnoValue) : HostError::Other;
    }
}

}  // namespace brenx::platform
