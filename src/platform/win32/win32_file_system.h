#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/file_system.h"
#include "platform/open_handles.h"
#include "platform/win32/drive_letters.h"
#include "platform/win32/held_way.h"
#include "platform/win32/windows_api.h"
#include "platform/windows_path.h"

namespace brenx::platform {

// The file system on a Windows host, over the wide calls: UTF-8 paths in,
// \\?\ paths to the host, so that no length limit applies. Drive letters are
// the host's own unless DriveLetters maps them elsewhere (tests).
//
// The current directory is the layer's own, kept by name; the process's own
// working directory is left where it holds no medium.
class Win32FileSystem : public FileSystem {
  public:
    explicit Win32FileSystem(DriveLetters letters = {});

    std::unique_ptr<FileHandle> Open(const std::string& path, Access access,
                                     Disposition disposition) override;
    bool DeleteFile(const std::string& path) override;
    std::int64_t GetAttributes(const std::string& path) override;
    bool SetAttributes(const std::string& path, std::uint32_t attributes) override;
    DosDateTime GetFileDate(const std::string& path) override;
    bool SetFileDate(const std::string& path, DosDateTime date) override;
    std::unique_ptr<DirectorySearch> FindFirst(const std::string& pattern,
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
    // false (with the reason in LastError) when it is not a directory now.
    bool WorkingDirectoryForPrograms(std::string& hostPath);

  private:
    // A Windows path resolved: its parts and its host path (C:\dir\name,
    // \\server\share\name), and the \\?\ form the calls take.
    struct Resolved {
        WindowsPath windows;
        std::string host;
        std::wstring wide;
    };
    HostError ResolveWindows(const std::string& path, WindowsPath& windows) const;
    void NameByMappedLetter(WindowsPath& windows) const;
    HostError Resolve(const std::string& path, Resolved& resolved) const;
    HostError HostOf(const WindowsPath& windows, std::string& host) const;
    // Records the thread's last Win32 error as the call's outcome.
    bool FailLast();
    // Resolves a path reached without links: no directory of it below its
    // drive's (or share's) root is a reparse point (LinkRefused), and each
    // stays so while `way` holds it.
    HostError ResolveWithoutLinks(const std::string& path, Resolved& resolved, HeldWay& way);
    // The host's attributes of the path's entry without following a link at
    // it; false (LastError set) when there is none.
    bool LookAt(const Resolved& resolved, WIN32_FILE_ATTRIBUTE_DATA& data);
    std::unique_ptr<FileHandle> OpenResolved(const Resolved& resolved, Access access,
                                             Disposition disposition, bool withoutLinks);
    bool SetDateResolved(const Resolved& resolved, DosDateTime date, bool withoutLinks);
    bool SetAttributesResolved(const Resolved& resolved, std::uint32_t attributes);
    // Whether the volume that holds the open handle keeps a date exactly.
    bool VolumeKeepsDates(HANDLE handle);

    DriveLetters letters_;
    std::shared_ptr<OpenHandles> openHandles_ = std::make_shared<OpenHandles>();
    // Per volume serial number: whether its file system keeps dates exactly.
    std::map<DWORD, bool> datesKept_;
    std::string currentName_;
    // The program's own file, read once.
    std::string programPath_;
};

// The Windows attribute bits of the host's attributes: a directory link
// (junction or symbolic link) is also System, so that walks pass it over.
std::uint32_t AttributesOfHost(DWORD hostAttributes);

}  // namespace brenx::platform
