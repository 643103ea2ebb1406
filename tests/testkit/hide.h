#pragma once

#include <string>

#ifdef _WIN32
#include "platform/win32/long_path.h"
#include "platform/win32/windows_api.h"
#endif

namespace brenx::testkit {

// Hides a file or directory whose name starts with a dot: POSIX hides it by
// that dot alone, Windows by an attribute that the program never sets.
inline void Hide([[maybe_unused]] const std::string& hostPath) {
#ifdef _WIN32
    const std::wstring path = platform::LongPathOf(hostPath);
    SetFileAttributesW(path.c_str(), GetFileAttributesW(path.c_str()) | FILE_ATTRIBUTE_HIDDEN);
#endif
}

}  // namespace brenx::testkit
