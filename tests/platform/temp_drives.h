#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/drive_map.h"
#include "platform/posix/posix_file_system.h"

namespace brenx::platform::testing {

// A temporary directory with two subdirectories mapped as drives d: and e:,
// and a file system over that table. The current directory is put back and
// the tree removed at the end.
class TempDrives {
  public:
    TempDrives() {
        char saved[PATH_MAX];
        if (getcwd(saved, sizeof saved) != nullptr) savedDirectory_ = saved;
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/brenx-host-XXXXXX";
        root_ = mkdtemp(pattern.data()) ? pattern : std::string();
        std::filesystem::create_directories(root_ + "/d");
        std::filesystem::create_directories(root_ + "/e");
        map_.SetDrive('d', root_ + "/d");
        map_.SetDrive('e', root_ + "/e");
        fs_ = std::make_unique<PosixFileSystem>(map_);
    }

    ~TempDrives() {
        if (!savedDirectory_.empty() && chdir(savedDirectory_.c_str()) != 0) {
            std::abort();
        }
        std::error_code ignored;
        // Read-only directories would keep their entries.
        for (auto it = std::filesystem::recursive_directory_iterator(root_, ignored);
             it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
            if (it->is_directory(ignored) && !it->is_symlink(ignored)) {
                chmod(it->path().c_str(), 0700);
            }
        }
        std::filesystem::remove_all(root_, ignored);
    }

    TempDrives(const TempDrives&) = delete;
    TempDrives& operator=(const TempDrives&) = delete;

    const std::string& Root() const { return root_; }
    // The host path of a place under the temporary root ("d/x" is d:\x).
    std::string Host(const std::string& relative) const { return root_ + "/" + relative; }
    const DriveMap& Map() const { return map_; }
    PosixFileSystem& Fs() { return *fs_; }

    void Write(const std::string& relative, const std::string& content) const {
        std::ofstream(Host(relative), std::ios::binary) << content;
    }
    std::string Read(const std::string& relative) const {
        std::ifstream in(Host(relative), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    bool Exists(const std::string& relative) const {
        struct stat status {};
        return lstat(Host(relative).c_str(), &status) == 0;
    }

  private:
    std::string savedDirectory_;
    std::string root_;
    DriveMap map_;
    std::unique_ptr<PosixFileSystem> fs_;
};

}  // namespace brenx::platform::testing
