#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/drive_map.h"
#include "platform/file_system.h"
#include "platform/open_handles.h"
#include "platform/posix/directory_chain.h"
#include "platform/posix/mount_points.h"
#include "platform/posix/volume_kinds.h"
#include "platform/recent_files.h"
#include "platform/windows_path.h"

namespace brenx::platform {

// The Windows file system emulated on a POSIX host; docs/host-layer.md has the
// rules. Paths are translated through the drive map on every call.
//
// The current directory is the layer's own: it is kept by name, relative
// names are taken from it and programs are started in it, but the process
// is never moved there, so that it holds no medium.
class PosixFileSystem : public FileSystem {
  public:
    // `mounts` tells which removable drives have media; the host's mount
    // table when not given. The current directory starts as the process's.
    explicit PosixFileSystem(DriveMap drives, std::shared_ptr<MountPoints> mounts = nullptr);

    const DriveMap& Drives() const { return drives_; }

    std::unique_ptr<FileHandle> Open(const std::string& path, Access access,
                                     Disposition disposition) override;
    bool DeleteFile(const std::string& path) override;
    std::int64_t GetAttributes(const std::string& path) override;
    bool SetAttributes(const std::string& path, std::uint32_t attributes) override;
    DosDateTime GetFileDate(const std::string& path) override;
    bool SetFileDate(const std::string& path, DosDateTime date) override;
    std::unique_ptr<DirectorySearch> FindFirst(const std::string& pattern,
                                               std::uint32_t attributeFilter) override;
    // Leaves out the extended-attribute look-up of each entry.
    std::unique_ptr<DirectorySearch> FindFirstWithoutArchive(
        const std::string& pattern, std::uint32_t attributeFilter) override;
    // Leaves out the names the directory lists as regular files.
    std::unique_ptr<DirectorySearch> FindSubdirectories(const std::string& pattern,
                                                        std::uint32_t attributeFilter) override;
    bool SetCurrentDirectory(const std::string& path) override;
    std::string CurrentDirectory() override;
    bool CreateDirectory(const std::string& path) override;
    std::unique_ptr<FileHandle> OpenWithoutLinks(const std::string& path, Access access,
                                                 Disposition disposition) override;
    bool MakeDirectoriesWithoutLinks(const std::string& path) override;
    bool DeleteWithoutLinks(const std::string& path) override;
    bool RenameWithoutLinks(const std::string& from, const std::string& to) override;
    bool RenameNewWithoutLinks(const std::string& from, const std::string& to) override;
    DosDateTime GetDateWithoutLinks(const std::string& path) override;
    bool SetDateWithoutLinks(const std::string& path, DosDateTime date) override;
    bool SetAttributesWithoutLinks(const std::string& path, std::uint32_t attributes) override;
    std::int64_t FreeBytesAvailable(const std::string& path) override;
    bool FlushVolume(const std::string& path) override;
    bool FullPathName(const std::string& name, std::string& fullPath) override;
    bool ShortPathName(const std::string& path, std::string& shortPath) override;
    bool FileExists(const std::string& path) override;
    bool SameEntry(const std::string& first, const std::string& second) override;
    std::string ProgramPath() override;
    bool HostPath(const std::string& path, std::string& hostPath) override;
    void ReleaseMedia() override;

    // The host path of the current directory, for a program started there;
    // false (with the reason in LastError) when it cannot be entered now.
    bool WorkingDirectoryForPrograms(std::string& hostPath);

  private:
    // NoMedia for a removable drive without a file system mounted at its
    // directory.
    HostError MediaOf(char letter);
    // The full path and the host path of a Windows path. InvalidName for a
    // path that holds a strange name which could lead out of its directory.
    HostError ResolveWindows(const std::string& path, WindowsPath& windows);
    HostError Resolve(const std::string& path, WindowsPath& windows, std::string& host);
    HostError Resolve(const std::string& path, std::string& host);
    bool ResolvePlainDrivePath(const std::string& path, std::string& host);
    // The error for an errno of a call on `host`: a missing file is told from
    // a missing directory on the way.
    HostError ErrorOf(int errnoValue, const std::string& host);
    bool FailErrno(int errnoValue, const std::string& host);
    // FailErrno for a call that makes the entry: a "missing" entry whose
    // directory is there, or an invalid argument, is a name the medium
    // refuses (exFAT through FUSE says ENOENT, FAT says EINVAL).
    bool FailCreating(int errnoValue, const std::string& host);
    void RememberEscapingName(const std::string& name);
    // What a search leaves out.
    struct SearchScope {
        bool directoriesOnly;  // the names the directory lists as files
        bool withArchive;      // or else the archive bits
    };
    std::unique_ptr<DirectorySearch> Search(const std::string& pattern,
                                            std::uint32_t attributeFilter, SearchScope scope);
    // Checks a descriptor just opened (a regular file, not on a kernel file
    // system, and, with `readOnlyRefused`, writable) and makes a handle of it.
    struct Opened {
        int fd;
        bool writes;           // opened for writing
        bool readOnlyRefused;  // refuse a read-only file (not looked at before)
        bool removeRecord;     // an existing file opened for writing
    };
    // The handle keeps the path: these take it over.
    std::unique_ptr<FileHandle> Adopt(const Opened& opened, std::string host);
    // Makes a handle of a descriptor found fit, on a file system of that
    // kind, as it was when opened.
    std::unique_ptr<FileHandle> Admit(const Opened& opened, std::string host,
                                      const VolumeKind& kind, const FileStatus& atOpen);
    // A path reached without links: its host path, the drive's (or the
    // share's) host directory, and where in the host path the directories
    // below that and the last name lie.
    struct LinkFreePath {
        std::string host;
        std::string root;
        std::size_t belowStart = 0;
        std::size_t nameStart = 0;  // host.size() for a path that ends at a directory
        std::string_view Below() const;
        std::string Name() const { return host.substr(nameStart); }
    };
    HostError ResolveWithoutLinks(const std::string& path, LinkFreePath& target);
    // The directory of the path's last name, reached through chain_; -1
    // with the reason recorded.
    int ReachDirectoryOf(const std::string& path, LinkFreePath& target);
    // The directory of a regular file reached without links (and the file
    // looked at into `status`); -1 when it cannot be, LastError telling why.
    int ReachFileWithoutLinks(const std::string& path, LinkFreePath& target, struct stat& status);
    // The names of a rename within one directory, and that directory.
    struct RenameNames {
        std::string from;
        std::string to;
    };
    int ReachRenameDirectory(const std::string& from, const std::string& to, RenameNames& names);
    // The file at the name of `directory`, made new (false when the name
    // was taken, LastError AlreadyExists).
    std::unique_ptr<FileHandle> CreateNewAt(int directory, const std::string& name,
                                            std::string host, int flags);
    // Creates the file only if it is new (null otherwise, LastError
    // AlreadyExists when it was there); takes the path over when it makes
    // the handle.
    std::unique_ptr<FileHandle> CreateNewFile(std::string& host, Access access);

    DriveMap drives_;
    VolumeKinds volumes_;
    std::shared_ptr<RecentFiles> recentFiles_ = std::make_shared<RecentFiles>();
    std::shared_ptr<OpenHandles> openHandles_ = std::make_shared<OpenHandles>();
    std::shared_ptr<MountPoints> mounts_;
    // The directories of the last path reached without links.
    DirectoryChain chain_;
    // The host directory of the drive or share that the last path resolved lay on.
    std::string resolvedRoot_;
    // Names that a search listed and that would climb out of their directory
    // once joined to a path: any path made with one of them is refused.
    std::vector<std::vector<std::string>> escapingNames_;
    // The current directory, by the name it was entered by (a directory can
    // have several).
    std::string currentName_;
    // The program's own file, read once: it stays the same even when the file
    // is replaced while the program runs.
    std::string programHostPath_;
};

// Moves the process's own working directory to "/", where it holds no
// medium; call it once the file system has taken the current directory over.
void MoveProcessToRoot();

}  // namespace brenx::platform
