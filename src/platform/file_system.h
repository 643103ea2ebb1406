#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/directory_search.h"
#include "platform/dos_date_time.h"
#include "platform/file_attributes.h"
#include "platform/file_handle.h"
#include "platform/host_error.h"

namespace brenx::platform {

enum class Access {
    Read,
    Write,
    ReadWrite,
    Append,  // writes, each one at the end of the file, whoever else writes to it
};

enum class Disposition {
    OpenExisting,  // fails when the file does not exist
    CreateAlways,  // creates the file, or truncates an existing one
    OpenAlways,    // opens the file, creating it when it does not exist
    CreateNew,     // creates the file; fails when it exists
};

// The free space of a volume that does not tell its size (fusefat and other
// FUSE drivers without a statfs answer say 0 blocks of 0): room for any file,
// so that a copy learns of a full medium from its write, never refuses every
// file of an empty stick.
inline constexpr std::int64_t kUntoldFreeSpace = INT64_MAX;

// The file system as the engine sees it: Windows paths (d:\dir\file,
// \\server\share\dir, relative names against the current directory), Windows
// attributes and packed two-second local dates. No call throws; every failure
// is a result (false, -1, null, kNoDosDateTime) and LastError() tells why.
// A call that succeeds leaves None in LastError().
class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // Opens a regular file; null on failure. A directory, a device, a fifo or a
    // socket is never opened (AccessDenied), nor is a read-only file for writing.
    virtual std::unique_ptr<FileHandle> Open(const std::string& path, Access access,
                                             Disposition disposition) = 0;
    // Deletes a file (not a directory, not a read-only file).
    virtual bool DeleteFile(const std::string& path) = 0;

    // The attributes (kAttr... bits), -1 on failure.
    virtual std::int64_t GetAttributes(const std::string& path) = 0;
    // Sets the read-only and archive bits; the other bits describe what the
    // entry is and are not changed.
    virtual bool SetAttributes(const std::string& path, std::uint32_t attributes) = 0;

    // The last-write date, kNoDosDateTime on failure.
    virtual DosDateTime GetFileDate(const std::string& path) = 0;
    // Sets the last-write date to exactly this packed value.
    virtual bool SetFileDate(const std::string& path, DosDateTime date) = 0;

    // Searches a directory: the pattern's last name holds the wildcards
    // (d:\dir\*). Entries carrying Hidden, System, VolumeId or Directory are
    // returned only when the filter includes that bit. Null when nothing
    // matches (NotFound) or the directory cannot be read.
    virtual std::unique_ptr<DirectorySearch> FindFirst(const std::string& pattern,
                                                       std::uint32_t attributeFilter) = 0;
    // FindFirst for a caller that wants only the directories (the filter
    // includes kAttrDirectory): plain files may be left out, so a host that
    // can tell them by their name alone need not look at each. Callers pass
    // over whatever is not a directory.
    virtual std::unique_ptr<DirectorySearch> FindSubdirectories(const std::string& pattern,
                                                                std::uint32_t attributeFilter) {
        return FindFirst(pattern, attributeFilter);
    }

    // FindFirst for a caller that does not read the archive bit of what it
    // finds (a copy that takes every file, a listing of what a destination
    // holds): a host that must look the bit up apart from the rest of the
    // entry may leave it out. Entries then say so (SearchEntry::archiveKnown
    // false) and carry it clear; everything else is as FindFirst gives it.
    virtual std::unique_ptr<DirectorySearch> FindFirstWithoutArchive(
        const std::string& pattern, std::uint32_t attributeFilter) {
        return FindFirst(pattern, attributeFilter);
    }

    // Makes the directory the process's current directory.
    virtual bool SetCurrentDirectory(const std::string& path) = 0;
    // The current directory as a full path (d:\ or d:\dir, no trailing
    // backslash except at a root); empty on failure.
    virtual std::string CurrentDirectory() = 0;
    // Creates one directory.
    virtual bool CreateDirectory(const std::string& path) = 0;

    // What a copy makes and changes on its destination is reached without
    // following links: every name of the path below its drive's own
    // directory (or its share) is looked at as it is, and a link there fails
    // the call (LinkRefused) instead of leading elsewhere. So a link planted
    // on a medium can never lead a copy to write outside it. Otherwise these
    // are as Open, CreateDirectory, DeleteFile and SetAttributes.
    //
    // Opens or makes a file; a link at its name is refused too.
    virtual std::unique_ptr<FileHandle> OpenWithoutLinks(const std::string& path, Access access,
                                                         Disposition disposition) = 0;
    // Makes every missing directory of the path; true when the whole path is
    // there as directories.
    virtual bool MakeDirectoriesWithoutLinks(const std::string& path) = 0;
    // Deletes a file (not a link, a directory or a read-only file).
    virtual bool DeleteWithoutLinks(const std::string& path) = 0;
    // Gives a file another name in the same directory (InvalidArgument for
    // another directory), replacing a file of that name: not a read-only
    // one, a directory or a link (AccessDenied, LinkRefused), which stay.
    virtual bool RenameWithoutLinks(const std::string& from, const std::string& to) = 0;
    // Gives a file that the caller has just made another name in the same
    // directory, one that nothing has: AlreadyExists when something has it,
    // which stays.
    virtual bool RenameNewWithoutLinks(const std::string& from, const std::string& to) = 0;
    // The last-write date of a file (kNoDosDateTime on failure), and setting
    // it; a link is never followed (LinkRefused).
    virtual DosDateTime GetDateWithoutLinks(const std::string& path) = 0;
    virtual bool SetDateWithoutLinks(const std::string& path, DosDateTime date) = 0;
    // Sets the read-only and archive bits of a file.
    virtual bool SetAttributesWithoutLinks(const std::string& path, std::uint32_t attributes) = 0;

    // Free bytes available to the caller on the volume that holds the path; -1
    // on failure (a drive with no media too); kUntoldFreeSpace when the volume
    // does not tell its size.
    virtual std::int64_t FreeBytesAvailable(const std::string& path) = 0;
    // Puts everything written to the volume that holds the path onto its medium.
    virtual bool FlushVolume(const std::string& path) = 0;

    // The full path of a name (see ParseFullPath); never shortened.
    virtual bool FullPathName(const std::string& name, std::string& fullPath) = 0;
    // The short form of an existing path: the path itself, as this host has
    // no short names. False (NotFound) when nothing is there.
    virtual bool ShortPathName(const std::string& path, std::string& shortPath) = 0;
    // True when the path names something that is not a directory.
    virtual bool FileExists(const std::string& path) = 0;
    // True when both paths lead to one and the same file or directory, by
    // whatever names (two drive letters can map one host directory). False
    // when they differ or either is missing (NotFound).
    virtual bool SameEntry(const std::string& first, const std::string& second) = 0;

    // The full Windows path of the program's own file; empty on failure.
    virtual std::string ProgramPath() = 0;

    // The host's own name for a path, for a host facility that does not come
    // through this interface (a sound player, a document viewer). False when
    // the path has none (a drive without a mapping, a strange name).
    virtual bool HostPath(const std::string& path, std::string& hostPath) = 0;

    // Lets go of everything held on any medium, so that the operator can take
    // it out: every open file is closed for now and opened again at its next
    // use, which fails (NoMedia) unless its path still names the same file.
    virtual void ReleaseMedia() {}

    HostError LastError() const { return lastError_; }

  protected:
    // Records the outcome of a call and passes the result through.
    template <typename T>
    T Fail(HostError error, T result) {
        lastError_ = error;
        return result;
    }
    void SetLastError(HostError error) { lastError_ = error; }

  private:
    HostError lastError_ = HostError::None;
};

}  // namespace brenx::platform
