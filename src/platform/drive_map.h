#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace brenx::platform {

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
    // "x=" removes x:) and of BRENX_UNC (empty keeps "/net"). Entries that
    // cannot be used are passed over and listed in Problems().
    static DriveMap Parse(std::string_view drives, std::string_view uncRoot);
    // The table from the process environment.
    static DriveMap FromEnvironment();

    // Maps the letter (either case) to an absolute host directory; an empty
    // directory removes the mapping. False for a non-letter or a relative path.
    bool SetDrive(char letter, std::string_view hostDirectory);
    // False for a relative path.
    bool SetUncRoot(std::string_view hostDirectory);

    // The host directory of a letter, empty when the letter has no mapping.
    const std::string& HostDirectory(char letter) const;
    const std::string& UncRoot() const { return uncRoot_; }

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
