#pragma once

#ifdef _WIN32
#include <filesystem>

#include "platform/win32/windows_api.h"
#endif

#include <string>

namespace brenx::testkit {

// Hides a file or directory whose name starts with a dot, by its host path.
// A POSIX host hides it by that dot alone; Windows hides by an attribute
// (which the program's own layer leaves alone).
inline bool Hide(const std::string& hostPath) {
#ifdef _WIN32
    const std::wstring path =
        std::filesystem::path(std::u8string(hostPath.begin(), hostPath.end())).wstring();
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           SetFileAttributesW(path.c_str(), attributes | FILE_ATTRIBUTE_HIDDEN);
#else
    return hostPath.find("/.") != std::string::npos;
#endif
}

}  // namespace brenx::testkit
