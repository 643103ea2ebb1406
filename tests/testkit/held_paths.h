#pragma once

#include <dirent.h>
#include <unistd.h>

#include <climits>
#include <string>
#include <vector>

namespace brenx::testkit {

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

}  // namespace brenx::testkit
