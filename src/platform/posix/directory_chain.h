#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/host_error.h"
#include "platform/posix/volume_kinds.h"

namespace brenx::platform {

// The directories of one path below a drive's own directory, opened one by
// one from the drive's directory down, each by its name in the one above and
// never through a link: a link anywhere below the drive's directory is
// refused, so nothing reached through the chain lies outside the drive.
//
// The chain stays open for the next call and reopens only the names that
// differ, as a walk goes from a directory to its neighbour. Close lets every
// directory go (before the operator is asked anything, who may take the
// medium out).
class DirectoryChain {
  public:
    DirectoryChain() = default;
    ~DirectoryChain();
    DirectoryChain(const DirectoryChain&) = delete;
    DirectoryChain& operator=(const DirectoryChain&) = delete;

    // The descriptor of the directory `below` (names separated by "/", none
    // of them "." or "..", empty for the root itself) under the host
    // directory `root`, which is taken as it is (a drive may be mapped
    // through a link). With `make`, missing directories are made on the way.
    // -1 on failure, with the reason in `error`: LinkRefused for a link,
    // PathNotFound for a missing directory (without `make`) or a file in the
    // way (AlreadyExists with `make`), NoMedia when the root is not there.
    int Reach(const std::string& root, std::string_view below, bool make, HostError& error);

    // The kind of the file system of the directory last reached; learnt once
    // per directory. False when it cannot be told.
    bool KindOfLast(VolumeKinds& volumes, VolumeKind& kind);

    // Closes every directory of the chain.
    void Close();
    // The descriptors open now (the root's included).
    std::size_t OpenCount() const;

  private:
    struct Level {
        std::string name;
        int fd = -1;
        bool kindKnown = false;
        VolumeKind kind;
    };
    // Keeps the first `count` levels, closing the rest.
    void KeepLevels(std::size_t count);
    bool OpenRoot(const std::string& root, HostError& error);
    int OpenLevel(int parent, const std::string& name, bool make, HostError& error);

    std::string root_;
    Level rootLevel_;
    std::vector<Level> levels_;
    // The part of the path that the levels stand for, and whether it is
    // whole (a failure part way leaves it shorter).
    std::string below_;
    bool whole_ = false;
};

}  // namespace brenx::platform
