#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

namespace brenx::testkit {

// A chain of directories below `base` whose bottom directory has a host path
// of `length` bytes: a name of a few hundred bytes in it makes a path past
// the host's limit (4,096 bytes), which no call by path can reach. Made and
// filled through descriptors; on destruction every level is renamed to one
// letter, top down, so that whatever removes `base` reaches all of it.
class DeepTree {
  public:
    DeepTree(std::string base, std::size_t length) : base_(std::move(base)) {
        std::string path = base_;
        while (path.size() + 1 < length) {
            const std::size_t size = std::min<std::size_t>(200, length - path.size() - 1);
            names_.push_back(std::string(size, static_cast<char>('a' + names_.size() % 26)));
            path += "/" + names_.back();
        }
        int at = open(base_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        for (const std::string& name : names_) {
            mkdirat(at, name.c_str(), 0755);
            const int next = openat(at, name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            close(at);
            at = next;
        }
        bottom_ = at;
    }
    ~DeepTree() {
        if (bottom_ >= 0) close(bottom_);
        std::string path = base_;
        for (const std::string& name : names_) {
            const std::string shortName = name.substr(0, 1);
            if (rename((path + "/" + name).c_str(), (path + "/" + shortName).c_str()) != 0) {
                return;
            }
            path += "/" + shortName;
        }
    }
    DeepTree(const DeepTree&) = delete;
    DeepTree& operator=(const DeepTree&) = delete;

    // The bottom directory's host path, and the names leading to it from base.
    std::string Path() const {
        std::string path = base_;
        for (const std::string& name : names_)
            path += "/" + name;
        return path;
    }
    const std::vector<std::string>& Names() const { return names_; }

    // Writes a file into the bottom directory.
    bool Write(const std::string& name, const std::string& content) const {
        const int fd =
            openat(bottom_, name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0) return false;
        const bool whole =
            write(fd, content.data(), content.size()) == static_cast<ssize_t>(content.size());
        return close(fd) == 0 && whole;
    }
    bool MakeDirectory(const std::string& name) const {
        return mkdirat(bottom_, name.c_str(), 0755) == 0;
    }
    bool Exists(const std::string& name) const {
        struct stat status {};
        return fstatat(bottom_, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0;
    }

  private:
    std::string base_;
    std::vector<std::string> names_;
    int bottom_ = -1;
};

}  // namespace brenx::testkit
