#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace brenx::options {

// The run's log, which is also its CRC log: an append-only text file. It
// stays open between entries, each entry one write at the end of the file,
// complete in the file when Write returns; Close lets go of it before every
// question and wait, so that nothing holds its medium then, and the next
// entry opens it again.
//
// Whether the path still names the open file is looked at every tenth of a
// second while entries come, and on Close: when the log was moved or deleted
// meanwhile, the entries written since the last look are written again into
// the file the path names now, so that none goes where no one looks for it.
//
// An entry that cannot be written (the file cannot be opened or created, a
// short write, a failed close) is lost, but counted (the part of an entry
// that a short write left is cut off again, so the log holds whole lines
// only): the run's summary tells the operator how many entries of which file
// were lost. The CRC lines among
// them are counted apart: a lost CRC line is a copy without its proof, and
// fails the run. No entry is too long to be written: a CRC line must name
// its file whole, and a failure must name the path it failed on, however
// long (past the host's limit for paths, say). A failed close counts every
// entry written since the file was opened as lost, since the host no longer
// vouches for them. Later entries are still tried.
class Log {
  public:
    // An empty path logs nothing (and loses nothing).
    Log(platform::FileSystem& fileSystem, std::string path)
        : fileSystem_(fileSystem), path_(std::move(path)) {}
    ~Log() { Close(); }
    Log(const Log&) = delete;
    Log& operator=(const Log&) = delete;

    // Appends the message and CR LF. The message is written as it is ("%"
    // included), whatever its length.
    void Write(std::string_view message);
    // Closes the file until the next entry. A failure reported on closing
    // counts as a lost entry.
    void Close();

    const std::string& Path() const { return path_; }
    // The entries that could not be written so far.
    std::int64_t FailedEntries() const { return failed_.entries; }
    // The CRC lines among them.
    std::int64_t LostCrcLines() const { return failed_.crcLines; }
    // Why the last entry that failed did (None when none has).
    platform::HostError LastFailure() const { return lastFailure_; }

  private:
    // A number of entries, and the CRC lines among them.
    struct Tally {
        std::int64_t entries = 0;
        std::int64_t crcLines = 0;
        Tally& operator+=(const Tally& more) {
            entries += more.entries;
            crcLines += more.crcLines;
            return *this;
        }
    };

    void Lost(platform::HostError why, const Tally& entries);
    bool OpenFile();
    bool Append(const std::string& text, const Tally& entries);
    // Looks whether the path still names the open file; writes the entries
    // since the last look again where it leads when it does not.
    void FollowThePath();

    platform::FileSystem& fileSystem_;
    std::string path_;
    std::unique_ptr<platform::FileHandle> file_;
    Tally failed_;
    platform::HostError lastFailure_ = platform::HostError::None;
    std::string entry_;  // the entry with its line end, kept for its storage
    // The entries written since the path was last seen to name the open file.
    std::string unchecked_;
    Tally uncheckedEntries_;
    // The entries written since the file was opened.
    Tally writtenSinceOpen_;
    std::chrono::steady_clock::time_point lookedAt_;
};

}  // namespace brenx::options
