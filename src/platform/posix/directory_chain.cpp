#include "platform/posix/directory_chain.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/errno_error.h"

namespace brenx::platform {
namespace {

// A directory is held by its place only (O_PATH): nothing is read through
// the descriptor, so no permission beyond search is needed.
constexpr int kDirectoryFlags = O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

// Why `name` in `parent` is not a directory that could be entered.
HostError WhyNotADirectory(int parent, const std::string& name, bool make, int openError) {
    struct stat status {};
    if (fstatat(parent, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0) {
        if (S_ISLNK(status.st_mode)) return HostError::LinkRefused;
        if (!S_ISDIR(status.st_mode))
            return make ? HostError::AlreadyExists : HostError::PathNotFound;
    }
    if (openError == ENOENT || openError == ENOTDIR) return HostError::PathNotFound;
    return HostErrorFromErrno(openError);
}

}  // namespace

DirectoryChain::~DirectoryChain() {
    Close();
}

void DirectoryChain::KeepLevels(std::size_t count) {
    while (levels_.size() > count) {
        close(levels_.back().fd);
        levels_.pop_back();
    }
}

void DirectoryChain::Close() {
    KeepLevels(0);
    if (rootLevel_.fd >= 0) close(rootLevel_.fd);
    rootLevel_ = Level{};
    root_.clear();
    below_.clear();
    whole_ = false;
}

std::size_t DirectoryChain::OpenCount() const {
    return levels_.size() + (rootLevel_.fd >= 0 ? 1 : 0);
}

bool DirectoryChain::OpenRoot(const std::string& root, HostError& error) {
    Close();
    // The drive's own directory is the user's choice, links and all.
    const int fd = open(root.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        error = errno == ENOENT ? HostError::NoMedia : HostErrorFromErrno(errno);
        return false;
    }
    root_ = root;
    rootLevel_.fd = fd;
    return true;
}

int DirectoryChain::OpenLevel(int parent, const std::string& name, bool make, HostError& error) {
    int fd = openat(parent, name.c_str(), kDirectoryFlags);
    if (fd >= 0) return fd;
    int openError = errno;
    if (openError == ENOENT && make) {
        if (mkdirat(parent, name.c_str(), 0777) != 0 && errno != EEXIST) {
            // The directory above is there: a "missing" entry, or an invalid
            // argument, is a name the medium refuses (exFAT and FAT via FUSE).
            error = errno == ENOENT || errno == EINVAL ? HostError::InvalidName
                                                       : HostErrorFromErrno(errno);
            return -1;
        }
        fd = openat(parent, name.c_str(), kDirectoryFlags);
        if (fd >= 0) return fd;
        openError = errno;
    }
    error = WhyNotADirectory(parent, name, make, openError);
    return -1;
}

int DirectoryChain::Reach(const std::string& root, std::string_view below, bool make,
                          HostError& error) {
    if (rootLevel_.fd < 0 || root != root_) {
        if (!OpenRoot(root, error)) return -1;
    }
    if (whole_ && below == below_) return levels_.empty() ? rootLevel_.fd : levels_.back().fd;
    // The levels that the new path shares with the open one stay.
    std::size_t depth = 0;
    std::size_t start = 0;
    std::vector<std::string_view> names;
    while (start < below.size()) {
        const std::size_t end = std::min(below.find('/', start), below.size());
        if (end > start) names.push_back(below.substr(start, end - start));
        start = end + 1;
    }
    while (depth < names.size() && depth < levels_.size() && levels_[depth].name == names[depth]) {
        ++depth;
    }
    KeepLevels(depth);
    whole_ = false;
    for (; depth < names.size(); ++depth) {
        const int parent = levels_.empty() ? rootLevel_.fd : levels_.back().fd;
        Level level;
        level.name = std::string(names[depth]);
        level.fd = OpenLevel(parent, level.name, make, error);
        if (level.fd < 0) return -1;
        levels_.push_back(std::move(level));
    }
    below_.assign(below);
    whole_ = true;
    return levels_.empty() ? rootLevel_.fd : levels_.back().fd;
}

bool DirectoryChain::KindOfLast(VolumeKinds& volumes, VolumeKind& kind) {
    Level& level = levels_.empty() ? rootLevel_ : levels_.back();
    if (level.fd < 0) return false;
    if (!level.kindKnown) {
        struct stat status {};
        if (fstat(level.fd, &status) != 0 || !volumes.OfOpenFile(level.fd, status.st_dev, kind)) {
            return false;
        }
        level.kind = kind;
        level.kindKnown = true;
    }
    kind = level.kind;
    return true;
}

}  // namespace brenx::platform
