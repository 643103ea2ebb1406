#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brenx::platform {

// The directories where file systems are mounted.
class MountPoints {
  public:
    virtual ~MountPoints() = default;
    // True when a file system is mounted exactly at the directory (a real
    // path: no links, no "." or "..").
    virtual bool IsMountPoint(const std::string& realDirectory) = 0;
};

// The mount points of this process, from /proc/self/mountinfo. The table is
// read again only when the kernel reports a change (poll on the open table),
// so that a question costs one call while nothing is mounted or unmounted.
// When the table cannot be read, no directory is a mount point.
class HostMountPoints : public MountPoints {
  public:
    explicit HostMountPoints(std::string tablePath = "/proc/self/mountinfo");
    ~HostMountPoints() override;
    HostMountPoints(const HostMountPoints&) = delete;
    HostMountPoints& operator=(const HostMountPoints&) = delete;

    bool IsMountPoint(const std::string& realDirectory) override;

  private:
    bool Changed();
    void Read();

    std::string tablePath_;
    int fd_ = -1;
    bool read_ = false;
    std::vector<std::string> points_;
};

// The mount points a mountinfo text lists (the fifth field of each line),
// with the octal escapes of blanks and backslashes (\040, \011, \012, \134)
// undone.
std::vector<std::string> ParseMountPoints(std::string_view mountinfo);

}  // namespace brenx::platform
