#pragma once

#ifdef _WIN32
#include <filesystem>

#include "platform/win32/windows_api.h"
#else
#include <dirent.h>
#include <unistd.h>

#include <climits>
#endif
#include <string>
#include <vector>

namespace brenx::testkit {

#ifdef _WIN32
// What this process holds under a host directory: its working directory and
// every file below it that an open handle keeps from being opened unshared.
inline std::vector<std::string> HeldUnder(const std::string& root) {
    std::vector<std::string> held;
    std::error_code error;
    const std::filesystem::path top(std::u8string(root.begin(), root.end()));
    const std::filesystem::path cwd = std::filesystem::current_path(error);
    if (!error && cwd.native().rfind(top.native(), 0) == 0) held.push_back("cwd " + cwd.string());
    for (auto it = std::filesystem::recursive_directory_iterator(top, error);
         it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        if (!it->is_regular_file(error)) continue;
        HANDLE alone = CreateFileW(it->path().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
        if (alone != INVALID_HANDLE_VALUE) {
            CloseHandle(alone);
        } else if (GetLastError() == ERROR_SHARING_VIOLATION) {
            held.push_back("file " + it->path().string());
        }
    }
    return held;
}
#else

// What this process holds under a host directory: its working directory and
// every open descriptor whose target lies there (as /proc shows them).
inline std::vector<std::string> HeldUnder(const std::string& root) {
    std::vector<std::string> held;
    auto under = [&root](const std::string& path) {
        return path == root || path.rfind(root + "/", 0) == 0;
    };
    auto target = [](const std::string& link) {
        char buffer[PATH_MAX];
        const ssize_t n = readlink(link.c_str(), buffer, sizeof buffer - 1);
        return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
    };
    if (const std::string cwd = target("/proc/self/cwd"); under(cwd)) held.push_back("cwd " + cwd);
    DIR* descriptors = opendir("/proc/self/fd");
    if (descriptors == nullptr) return {"/proc/self/fd cannot be read"};
    while (const dirent* item = readdir(descriptors)) {
        const std::string name = item->d_name;
        if (name == "." || name == "..") continue;
        if (const std::string path = target("/proc/self/fd/" + name); under(path)) {
            held.push_back("fd " + name + " " + path);
        }
    }
    closedir(descriptors);
    return held;
}
#endif

}  // namespace brenx::testkit
