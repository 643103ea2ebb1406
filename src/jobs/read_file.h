#pragma once

#include <cstdint>
#include <string>

#include "platform/host_error.h"

namespace brenx::run {
class RunState;
}

namespace brenx::jobs {

// How a read of one file with its CRC ended.
enum class ReadResult : std::uint8_t {
    Done = 0,        // read to the end
    CannotOpen = 2,  // the file cannot be opened
    ReadFailed = 3,  // the medium failed in the middle of the file
    Stopped = 7,     // the operator stopped the job during the read
};

// How the read ended (which also tells the step that failed), the host's
// reason for a failure, and for a file read to its end its CRC and the bytes
// that went through it (none without crc, or with nodata).
struct ReadOutcome {
    ReadResult result = ReadResult::Done;
    platform::HostError error = platform::HostError::None;
    std::uint32_t crc = 0;
    std::int64_t crcBytes = 0;
};

// Why a read failed, in a few words for the operator; empty when it did not.
std::string ReadFailureReason(const ReadOutcome& outcome);

// Reads a file to its end through the transfer buffer, for verify and
// read-back: the read-only twin of the copy. The file's cached pages are
// dropped first, so that the bytes come from the medium and not from the
// host's memory of what was written. With `crc` the bytes go through a CRC,
// which the outcome carries; with `nodata` the file is only opened and sized. The
// per-file progress (fileBytesRead, and fileSize once known) is kept up and,
// past the first million bytes, shown after every block. A read error is a
// failure, never an early end: a damaged medium must not pass for a short
// file.
ReadOutcome ReadBFile(run::RunState& run, const std::string& name);

}  // namespace brenx::jobs
