#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace brenx::platform {

// Whether the media of a drive can come and go. A removable drive has media
// only while a file system is mounted exactly at its directory; without one
// the directory is a bare mount point of the host, and nothing is read from
// it or written into it.
enum class DriveKind {
    ByPlace,    // removable when the directory lies under /media, /run/media or /mnt
    Removable,  // "e(removable)=/srv/stick"
    Fixed,      // "e(fixed)=/mnt/data"
};

// True for a directory below the places where removable media are mounted
// (/media, /run/media, /mnt).
bool IsRemovableMediaPlace(std::string_view hostDirectory);

// The table that gives drive letters and network paths their host directories.
//
// Forward: a letter maps to one host directory, or to nothing (a drive with no
// media). \\server\share\rest maps to <UNC root>/server/share/rest.
// Backward: a host path gets the Windows name through the mapping whose host
// directory is its longest prefix on a component boundary; "/" always has a
// letter, so every absolute host path has a Windows name.
class DriveMap {
  public:
    // c: is "/", no other letter is mapped, the network root is "/net".
    DriveMap();

    // The table from the text of BRENX_DRIVES ("e=/media/usb;f=/mnt/cdrom";
    // "x=" removes x:; "e(removable)=" and "e(fixed)=" say what kind of drive
    // the letter is, which otherwise follows from its place) and of BRENX_UNC
    // (empty keeps "/net"). Entries that cannot be used are passed over and
    // listed in Problems().
    static DriveMap Parse(std::string_view drives, std::string_view uncRoot);
    // The table from the process environment.
    static DriveMap FromEnvironment();

    // Maps the letter (either case) to an absolute host directory; an empty
    // directory removes the mapping. False for a non-letter or a relative path.
    bool SetDrive(char letter, std::string_view hostDirectory, DriveKind kind = DriveKind::ByPlace);
    // False for a relative path.
    bool SetUncRoot(std::string_view hostDirectory);

    // The host directory of a letter, empty when the letter has no mapping.
    const std::string& HostDirectory(char letter) const;
    const std::string& UncRoot() const { return uncRoot_; }
    // True when the letter's media can be taken out (see DriveKind).
    bool IsRemovable(char letter) const;
    // The real path of the letter's directory as it was when mapped; empty
    // when it did not exist then.
    const std::string& RealDirectory(char letter) const;

    // The Windows name of an absolute, already normalised host path: "X:\..."
    // with an upper-case letter, or "\\server\share\..." under the network
    // root. Keeps a trailing separator. Empty for a relative path.
    std::string ToWindows(std::string_view hostPath) const;

    // The entries of the parsed texts that were passed over, for a warning.
    const std::vector<std::string>& Problems() const { return problems_; }

  private:
    struct Match {
        std::size_t length = 0;  // host prefix length matched
        std::string windowsRoot;
        bool found = false;
    };
    void EnsureRootMapped();
    void ConsiderDrive(std::string_view hostPath, int index, Match& best) const;
    void ConsiderUnc(std::string_view hostPath, Match& best) const;

    std::array<std::string, 26> drives_;
    std::array<std::string, 26> resolved_;  // real paths of the drives' directories
    std::array<bool, 26> removable_{};
    std::string uncRoot_ = "/net";
    std::vector<std::string> problems_;
};

// The host path with "." and empty components dropped, ".." taking away the
// component before it (never above "/"), and a trailing "/" kept.
std::string NormalizeHostPath(std::string_view hostPath);

// True when `prefix` (normalised, no trailing "/" unless it is "/") is `path`
// itself or a directory above it.
bool IsHostPrefix(std::string_view prefix, std::string_view path);

}  // namespace brenx::platform
