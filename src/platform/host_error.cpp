#include "platform/host_error.h"

#include "platform/host_reason.h"

namespace brenx::platform {

HostError HostErrorOfNumber(int hostNumber) {
    return static_cast<HostError>(kHostNumberBase + hostNumber);
}

int HostNumberOf(HostError error) {
    const int value = static_cast<int>(error);
    return value > kHostNumberBase ? value - kHostNumberBase : 0;
}

std::string HostErrorText(HostError error) {
    switch (error) {
        case HostError::None:
            return "The operation completed successfully.";
        case HostError::NotFound:
            return "The system cannot find the file specified.";
        case HostError::PathNotFound:
            return "The system cannot find the path specified.";
        case HostError::AccessDenied:
            return "Access is denied.";
        case HostError::WriteProtected:
            return "The media is write protected.";
        case HostError::NoSpace:
            return "There is not enough space on the disk.";
        case HostError::FileTooLarge:
            return "The file is too large for the destination file system.";
        case HostError::IoError:
            return "The request could not be performed because of an I/O device error.";
        case HostError::NoMedia:
            // Not Windows' "device not ready": here the medium is not
            // mounted, or its file system went away under the program.
            return HostErrorReason(error);
        case HostError::AlreadyExists:
            return "Cannot create a file when that file already exists.";
        case HostError::SharingViolation:
            return "The process cannot access the file because it is being used by another "
                   "process.";
        case HostError::InvalidName:
            return "The filename, directory name, or volume label syntax is incorrect.";
        case HostError::NameTooLong:
            return "The filename or extension is too long.";
        case HostError::LinkLoop:
            return "The name of the file cannot be resolved by the system.";
        case HostError::LinkRefused:
            return "The file or directory is a link, which is not followed here.";
        case HostError::InvalidArgument:
            return "The parameter is incorrect.";
        case HostError::TooManyOpenFiles:
            return "The system cannot open the file.";
        case HostError::NotSupported:
            return "The request is not supported.";
        case HostError::Other:
            return "The operation failed.";
    }
    return HostErrorReason(error);
}

}  // namespace brenx::platform
