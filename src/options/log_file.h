#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace brenx::options {

// The run's log, which is also its CRC log: an append-only text file, opened
// and closed for every entry, so that each entry is on the medium's way
// before Write returns and the file is free for readers between entries.
//
// An entry that cannot be written (the file cannot be opened or created, the
// entry is longer than the writer's limit, a short write, a failed close) is
// lost, but counted (the part of an entry that a short write left is cut
// off again, so the log holds whole lines only): the run's summary tells the operator how many
// entries of which file were lost, since a lost CRC line is a copy without its proof. Later entries
// are still tried.
class Log {
  public:
    // An empty path logs nothing (and loses nothing).
    Log(platform::FileSystem& fileSystem, std::string path)
        : fileSystem_(fileSystem), path_(std::move(path)) {}

    // Appends the message and CR LF. The message is written as it is ("%"
    // included). An entry of more than 2,000 characters with its line end is
    // not written.
    void Write(std::string_view message);

    const std::string& Path() const { return path_; }
    // The entries that could not be written so far.
    std::int64_t FailedEntries() const { return failedEntries_; }
    // Why the last entry that failed did (None when none has).
    platform::HostError LastFailure() const { return lastFailure_; }

  private:
    void Lost(platform::HostError why);

    platform::FileSystem& fileSystem_;
    std::string path_;
    std::int64_t failedEntries_ = 0;
    platform::HostError lastFailure_ = platform::HostError::None;
    std::string entry_;  // the entry with its line end, kept for its storage
};

}  // namespace brenx::options
