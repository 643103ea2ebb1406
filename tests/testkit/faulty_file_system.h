#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace brenx::platform {

// The kinds of call that FaultyFileSystem counts and can make fail.
enum class FsCall {
    Open,
    Read,
    Write,
    Seek,  // Seek, Position and SeekToEnd of a handle
    Size,
    Close,
    HandleGetDate,
    HandleSetDate,
    HandleFlush,
    DropCachedPages,
    Truncate,
    Delete,
    GetAttributes,
    SetAttributes,
    GetDate,
    SetDate,
    FindFirst,
    FindNext,
    LookAtEntry,  // each entry a search lists: a fault lists it as one not looked at
    ChangeDirectory,
    CurrentDirectory,
    CreateDirectory,
    FreeSpace,
    FlushVolume,
    FullPathName,
    ShortPathName,
    FileExists,
    SameEntry,
    ProgramPath,
    Rename,        // RenameWithoutLinks, RenameNewWithoutLinks
    HandleStatus,  // GetStatus of a handle
};
inline constexpr std::size_t kFsCallKinds = static_cast<std::size_t>(FsCall::HandleStatus) + 1;

// A file system for tests that passes every call to another one, counts the
// calls of each kind and makes chosen ones fail the way the host would: the
// n-th call of a kind (counted from 1) fails with a given error, once or from
// then on; a write can be cut short. A test can count the calls of a whole
// operation once and then repeat it with a fault at each call in turn.
// Handles and searches it hands out report to it while they live.
class FaultyFileSystem : public FileSystem {
  public:
    explicit FaultyFileSystem(FileSystem& inner);

    // The n-th call of `kind` fails with `error`; with `persistent`, every
    // later call of that kind too.
    void FailCall(FsCall kind, int n, HostError error, bool persistent = false);
    // The n-th write stores only the first `bytes` bytes of its data and
    // reports that count, with `error` as its reason.
    void ShortenWrite(int n, std::int64_t bytes, HostError error = HostError::NoSpace);
    // The n-th call of `kind` (with `persistent`, every later one too) says it
    // succeeded and changes nothing, as a medium that takes a date or an
    // attribute and keeps its own. For SetDate, HandleSetDate and
    // SetAttributes.
    void IgnoreCall(FsCall kind, int n, bool persistent = false);
    // From the n-th counted call of any kind on, every call fails (IoError),
    // as if the process had died there: nothing more reaches the medium.
    void StopAt(int n);
    // A medium that lost its power, after the fact: every file on it (its
    // paths begin with `medium`, as given) written through this file system
    // since its data was last flushed (FlushData, Flush, FlushVolume) keeps
    // its length but loses its contents (zeros), as a FAT medium can leave
    // it; renames, deletes and dates stay as they were made. The files are
    // followed by the names the program gave them.
    void LoseUnflushedData(const std::string& medium);
    // Removes every fault; the counts stay.
    void ClearFaults();
    // Sets every count, and the number of faults fired, back to zero.
    void ResetCounts();

    // The calls of a kind made since the start or the last ResetCounts.
    int Calls(FsCall kind) const;
    // The calls of every kind.
    int TotalCalls() const;
    // The calls that were made to fail (short writes included).
    int FaultsFired() const;

    std::unique_ptr<FileHandle> Open(const std::string& path, Access access,
                                     Disposition disposition) override;
    bool DeleteFile(const std::string& path) override;
    std::int64_t GetAttributes(const std::string& path) override;
    bool SetAttributes(const std::string& path, std::uint32_t attributes) override;
    DosDateTime GetFileDate(const std::string& path) override;
    bool SetFileDate(const std::string& path, DosDateTime date) override;
    std::unique_ptr<DirectorySearch> FindFirst(const std::string& pattern,
                                               std::uint32_t attributeFilter) override;
    // Counted as FindFirst, like FindSubdirectories.
    std::unique_ptr<DirectorySearch> FindFirstWithoutArchive(
        const std::string& pattern, std::uint32_t attributeFilter) override;
    // Counted as FindFirst.
    std::unique_ptr<DirectorySearch> FindSubdirectories(const std::string& pattern,
                                                        std::uint32_t attributeFilter) override;
    bool SetCurrentDirectory(const std::string& path) override;
    std::string CurrentDirectory() override;
    bool CreateDirectory(const std::string& path) override;
    // Counted as Open, CreateDirectory, Delete, Rename and SetAttributes.
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
    // Passed on, not counted.
    void ReleaseMedia() override;
    // Never made to fail: it names a file without touching it.
    bool HostPath(const std::string& path, std::string& hostPath) override;

    // What a counted call is to do.
    struct Verdict {
        bool fail = false;
        HostError error = HostError::None;
        std::int64_t shortBytes = -1;  // for a write: store only this many bytes
        bool ignore = false;           // report success, do nothing
    };

    // The counts and faults, shared with the handles and searches handed out.
    struct State {
        struct Rule {
            FsCall kind;
            int n;
            HostError error;
            bool persistent;
            std::int64_t shortBytes;
            bool ignore = false;
        };
        std::vector<Rule> rules;
        std::array<int, kFsCallKinds> calls{};
        int fired = 0;
        int stopAt = 0;  // 0: never
        // The files written since their data was last flushed, by name.
        std::set<std::string> unflushed;

        // Counts a call of the kind and says what it is to do.
        Verdict Count(FsCall kind);
    };

  private:
    // Counts the call; when it is to fail, records the error and returns true.
    bool Faulted(FsCall kind);
    // Counts the call; true when it is not to reach the inner file system,
    // with what it reports in `reported` (false for a fault, true when it is
    // ignored).
    bool Intercepted(FsCall kind, bool& reported);
    // Follows a renamed file's unflushed data to its new name.
    bool Renamed(bool renamed, const std::string& from, const std::string& to);
    // Records the inner file system's outcome and passes the result through.
    template <typename T>
    T Pass(T result) {
        SetLastError(inner_.LastError());
        return result;
    }

    FileSystem& inner_;
    std::shared_ptr<State> state_;
};

}  // namespace brenx::platform
