#pragma once

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#endif

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#ifdef _WIN32
#include "platform/win32/win32_file_system.h"
#else
#include "platform/drive_map.h"
#include "platform/posix/posix_file_system.h"
#endif

namespace brenx::platform::testing {

#ifdef _WIN32
using HostFileSystem = Win32FileSystem;
#else
using HostFileSystem = PosixFileSystem;
#endif

// A UTF-8 host path as the standard library takes it on every host (a
// plain string is in the ANSI code page on Windows).
inline std::filesystem::path Utf8Path(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

// A temporary directory with two subdirectories mapped as drives d: and e:,
// and a file system over that table. The tree is removed at the end (and the
// POSIX process's current directory put back).
class TempDrives {
  public:
    TempDrives() {
        root_ = MakeRoot();
        std::filesystem::create_directories(Host("d"));
        std::filesystem::create_directories(Host("e"));
#ifdef _WIN32
        DriveLetters letters;
        letters.SetDirectory('d', Host("d"));
        letters.SetDirectory('e', Host("e"));
        fs_ = std::make_unique<Win32FileSystem>(letters);
#else
        map_.SetDrive('d', root_ + "/d");
        map_.SetDrive('e', root_ + "/e");
        fs_ = std::make_unique<PosixFileSystem>(map_);
#endif
    }

    ~TempDrives() {
#ifndef _WIN32
        if (!savedDirectory_.empty() && chdir(savedDirectory_.c_str()) != 0) {
            std::abort();
        }
#endif
        std::error_code ignored;
        // Read-only directories would keep their entries, and read-only
        // files on Windows would stay.
        for (auto it = std::filesystem::recursive_directory_iterator(root_, ignored);
             it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
            if (!it->is_symlink(ignored)) {
                std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                             std::filesystem::perm_options::add, ignored);
            }
        }
        std::filesystem::remove_all(root_, ignored);
    }

    TempDrives(const TempDrives&) = delete;
    TempDrives& operator=(const TempDrives&) = delete;

    const std::string& Root() const {
        return root_;
    }
    // The host path of a place under the temporary root ("d/x" is d:\x).
    std::string Host(const std::string& relative) const {
#ifdef _WIN32
        std::string host = root_ + "\\" + relative;
        for (char& c : host) {
            if (c == '/') c = '\\';
        }
        return host;
#else
        return root_ + "/" + relative;
#endif
    }
    // The name that what lies outside the program's file system (a program it
    // starts, the drive table it reads from the environment) knows a place by
    // ("d/x" as d:\x): its letter on POSIX, where that table is the
    // program's own; its host path on Windows, whose letters are the host's.
    std::string Outside(const std::string& relative) const {
#ifdef _WIN32
        return Host(relative);
#else
        std::string name =
            relative.substr(0, 1) + ":\\" + (relative.size() > 2 ? relative.substr(2) : "");
        std::replace(name.begin(), name.end(), '/', '\\');
        return name;
#endif
    }
#ifndef _WIN32
    const DriveMap& Map() const {
        return map_;
    }
#endif
    HostFileSystem& Fs() {
        return *fs_;
    }

    void Write(const std::string& relative, const std::string& content) const {
        std::ofstream(Utf8Path(Host(relative)), std::ios::binary) << content;
    }
    std::string Read(const std::string& relative) const {
        std::ifstream in(Utf8Path(Host(relative)), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    bool Exists(const std::string& relative) const {
        std::error_code ignored;
        return std::filesystem::exists(
            std::filesystem::symlink_status(Utf8Path(Host(relative)), ignored));
    }

  private:
#ifdef _WIN32
    std::string MakeRoot() {
        std::error_code error;
        const std::filesystem::path base = std::filesystem::temp_directory_path(error);
        std::random_device random;
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::filesystem::path root =
                base / ("brenx-host-" + std::to_string(random() % 1000000000));
            if (std::filesystem::create_directory(root, error)) return root.string();
        }
        return {};
    }
#else
    std::string MakeRoot() {
        char saved[PATH_MAX];
        if (getcwd(saved, sizeof saved) != nullptr) savedDirectory_ = saved;
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/brenx-host-XXXXXX";
        return mkdtemp(pattern.data()) ? pattern : std::string();
    }

    std::string savedDirectory_;
    DriveMap map_;
#endif
    std::string root_;
    std::unique_ptr<HostFileSystem> fs_;
};

}  // namespace brenx::platform::testing
