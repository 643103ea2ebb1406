#pragma once

#include <cstdint>
#include <string>

#include "platform/host_error.h"

// What one file copy came to. The copy itself never asks the operator
// anything: the tree walk turns each result into a count, a skip or a question.
namespace brenx::copy {

inline constexpr std::int32_t kCopyDone = 0;          // copied (with nocopy: read and checksummed)
inline constexpr std::int32_t kCopySourceFailed = 2;  // the source did not open
inline constexpr std::int32_t kCopyCreateFailed = 3;  // the destination could not be created
// A block could not be read or was written short, the destination could not
// be closed (written data may be lost), or the operator stopped the run.
inline constexpr std::int32_t kCopyBroken = 7;
inline constexpr std::int32_t kCopyNotNeeded = 8;  // the destination is not older / same date
inline constexpr std::int32_t kCopyNoRoom = 9;     // the file does not fit on the destination

// The step of a copy that failed.
enum class CopyStage {
    None,               // nothing failed
    Needed,             // the dates say the copy is not needed
    Room,               // the file does not fit in the free space
    Directory,          // the destination directory could not be made
    OpenSource,         // the source did not open
    OntoItself,         // the destination is the source itself
    CreateDestination,  // the destination could not be created
    ReadSource,         // a block of the source could not be read
    WriteDestination,   // a block was not written whole
    CloseDestination,   // the destination did not close cleanly
    PutInPlace,         // the new copy, whole, could not take the older copy's place
    Stopped,            // the operator stopped the run
};

// A copy's code of the list above, with the step that failed and the host's
// reason for it (None where the host reported nothing: no room, a stop).
struct CopyOutcome {
    std::int32_t code = kCopyDone;
    CopyStage stage = CopyStage::None;
    platform::HostError error = platform::HostError::None;
    // The bytes that passed from the source (into the copy, when one is made);
    // with nodata, the size of the source.
    std::int64_t bytes = 0;
    // The CRC of those bytes (0 without crc or data).
    std::uint32_t crc = 0;

    // A directory that could not be made before the first attempt leaves
    // code 0 with its step: that is no copy done.
    bool Done() const { return code == kCopyDone && stage == CopyStage::None; }
};

inline CopyOutcome CopyFailed(std::int32_t code, CopyStage stage,
                              platform::HostError error = platform::HostError::None) {
    return CopyOutcome{code, stage, error};
}

// Why the copy failed, in a few words for the operator: the host's reason, or
// what the step itself tells (no room, a copy onto its source). Empty for a
// copy that was done, not needed or stopped.
std::string CopyFailureReason(const CopyOutcome& outcome);

}  // namespace brenx::copy
