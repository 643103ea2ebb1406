#pragma once

#include <cstdint>

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

}  // namespace brenx::copy
