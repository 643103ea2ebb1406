#include "platform/host_reason.h"

namespace brenx::platform {

std::string HostErrorReason(HostError error) {
    if (const int hostNumber = HostNumberOf(error); hostNumber != 0)
        return HostNumberWords(hostNumber);
    switch (error) {
        case HostError::None:
            return {};
        case HostError::NotFound:
            return "the file is not there";
        case HostError::PathNotFound:
            return "a directory on the way is not there";
        case HostError::AccessDenied:
            return "access denied";
        case HostError::WriteProtected:
            return "the medium is read-only";
        case HostError::NoSpace:
            return "no space left on the medium";
        case HostError::FileTooLarge:
            return "the file is too large for this medium";
        case HostError::IoError:
            return "input/output error";
        case HostError::NoMedia:
            return "no medium, or the device is gone";
        case HostError::AlreadyExists:
            return "something of that name is there already";
        case HostError::SharingViolation:
            return "the file is busy";
        case HostError::InvalidName:
            return "the name is not valid on this medium";
        case HostError::NameTooLong:
            return "the name is too long for this medium";
        case HostError::LinkLoop:
            return "too many levels of links";
        case HostError::LinkRefused:
            return "a link stands in the way (the copy never follows links)";
        case HostError::InvalidArgument:
            return "the system refused the request";
        case HostError::TooManyOpenFiles:
            return "too many open files";
        case HostError::NotSupported:
            return "the medium's file system cannot do that";
        case HostError::Other:
            break;
    }
    return "the system gave no known reason";
}

}  // namespace brenx::platform
