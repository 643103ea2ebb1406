#include "platform/win32/host_pieces_scratch.h"

#include "platform/win32/windows_api.h"

#include <memory>

#include "platform/clock.h"
#include "platform/host_services.h"
#include "platform/run_token.h"

namespace brenx::platform {

std::wstring WideFromUtf8(std::string_view text) {
    if (text.empty()) return {};
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

std::string Utf8FromWide(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(), size,
                        nullptr, nullptr);
    return narrow;
}

HostError HostErrorFromWin32(unsigned long code) {
    switch (code) {
        case ERROR_SUCCESS:
            return HostError::None;
        case ERROR_FILE_NOT_FOUND:
            return HostError::NotFound;
        case ERROR_PATH_NOT_FOUND:
        case ERROR_DIRECTORY:
            return HostError::PathNotFound;
        case ERROR_ACCESS_DENIED:
            return HostError::AccessDenied;
        case ERROR_WRITE_PROTECT:
            return HostError::WriteProtected;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return HostError::NoSpace;
        case ERROR_NOT_READY:
        case ERROR_DEV_NOT_EXIST:
            return HostError::NoMedia;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
        case ERROR_DIR_NOT_EMPTY:
            return HostError::AlreadyExists;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return HostError::SharingViolation;
        case ERROR_INVALID_NAME:
            return HostError::InvalidName;
        case ERROR_FILENAME_EXCED_RANGE:
            return HostError::NameTooLong;
        case ERROR_INVALID_PARAMETER:
        case ERROR_NEGATIVE_SEEK:
            return HostError::InvalidArgument;
        case ERROR_TOO_MANY_OPEN_FILES:
            return HostError::TooManyOpenFiles;
        case ERROR_NOT_SUPPORTED:
        case ERROR_INVALID_FUNCTION:
            return HostError::NotSupported;
        default:
            return HostErrorOfNumber(static_cast<int>(code));
    }
}

}  // namespace brenx::platform

namespace brenx::platform {

std::uint32_t TickCount() {
    return GetTickCount();
}

support::LocalTime LocalNow() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear,   now.wMonth,  now.wDay,         now.wHour,
            now.wMinute, now.wSecond, now.wMilliseconds};
}

void LoadLocalTimeZone() {}

void SleepMilliseconds(std::uint32_t milliseconds) {
    Sleep(milliseconds);
}

std::string NewRunToken() {
    return std::to_string(GetTickCount64());
}

namespace {
class ScratchStarter : public ProcessStarter {
  public:
    bool Start(const std::string&, HostError& error) override {
        error = HostError::NotSupported;
        return false;
    }
};
}  // namespace

}  // namespace brenx::platform

#include "platform/win32/win32_starter_link.h"

namespace brenx::platform {
std::unique_ptr<ProcessStarter> MakeWin32ProcessStarter(Win32FileSystem&) {
    return std::make_unique<ScratchStarter>();
}
}  // namespace brenx::platform
