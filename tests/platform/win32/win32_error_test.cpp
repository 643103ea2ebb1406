// Windows error codes onto the program's kinds, and Windows' own words for
// the rest.
#include "platform/win32/win32_error.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace brenx::platform {
namespace {

TEST(Win32Error, CodesMapOntoTheirKinds) {
    struct Case {
        unsigned long code;
        HostError error;
    };
    const Case cases[] = {
        {ERROR_SUCCESS, HostError::None},
        {ERROR_FILE_NOT_FOUND, HostError::NotFound},
        {ERROR_NO_MORE_FILES, HostError::NotFound},
        {ERROR_PATH_NOT_FOUND, HostError::PathNotFound},
        {ERROR_BAD_NETPATH, HostError::PathNotFound},
        {ERROR_DIRECTORY, HostError::PathNotFound},
        {ERROR_ACCESS_DENIED, HostError::AccessDenied},
        {ERROR_DELETE_PENDING, HostError::AccessDenied},
        {ERROR_WRITE_PROTECT, HostError::WriteProtected},
        {ERROR_DISK_FULL, HostError::NoSpace},
        {ERROR_HANDLE_DISK_FULL, HostError::NoSpace},
        {1295 /* ERROR_DISK_QUOTA_EXCEEDED */, HostError::NoSpace},
        {ERROR_FILE_TOO_LARGE, HostError::FileTooLarge},
        {ERROR_CRC, HostError::IoError},
        {ERROR_IO_DEVICE, HostError::IoError},
        {ERROR_NOT_READY, HostError::NoMedia},
        {ERROR_DEV_NOT_EXIST, HostError::NoMedia},
        {ERROR_INVALID_DRIVE, HostError::NoMedia},
        {ERROR_DEVICE_REMOVED, HostError::NoMedia},
        {ERROR_FILE_EXISTS, HostError::AlreadyExists},
        {ERROR_ALREADY_EXISTS, HostError::AlreadyExists},
        {ERROR_DIR_NOT_EMPTY, HostError::AlreadyExists},
        {ERROR_SHARING_VIOLATION, HostError::SharingViolation},
        {ERROR_LOCK_VIOLATION, HostError::SharingViolation},
        {ERROR_INVALID_NAME, HostError::InvalidName},
        {ERROR_NO_UNICODE_TRANSLATION, HostError::InvalidName},
        {ERROR_FILENAME_EXCED_RANGE, HostError::NameTooLong},
        {ERROR_CANT_RESOLVE_FILENAME, HostError::LinkLoop},
        {681 /* ERROR_STOPPED_ON_SYMLINK */, HostError::LinkRefused},
        {ERROR_INVALID_PARAMETER, HostError::InvalidArgument},
        {ERROR_NEGATIVE_SEEK, HostError::InvalidArgument},
        {ERROR_TOO_MANY_OPEN_FILES, HostError::TooManyOpenFiles},
        {ERROR_NOT_SUPPORTED, HostError::NotSupported},
        {ERROR_INVALID_FUNCTION, HostError::NotSupported},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HostErrorFromWin32(c.code), c.error) << c.code;
    }
}

TEST(Win32Error, OtherCodesKeepTheirNumberAndWindowsWords) {
    const HostError timeout = HostErrorFromWin32(ERROR_SEM_TIMEOUT);
    EXPECT_EQ(HostNumberOf(timeout), static_cast<int>(ERROR_SEM_TIMEOUT));
    const std::string words = Win32ErrorWords(ERROR_SEM_TIMEOUT);
    EXPECT_FALSE(words.empty());
    EXPECT_EQ(words.find_first_of("\r\n"), std::string::npos) << words;
    EXPECT_NE(words.back(), '.') << words;

    // An HRESULT is too large to keep beside the named kinds.
    EXPECT_EQ(HostErrorFromWin32(0x80070005ul), HostError::Other);
    EXPECT_EQ(Win32ErrorWords(0x7FFFFFF0ul), "Windows error 2147483632");
}

}  // namespace
}  // namespace brenx::platform
