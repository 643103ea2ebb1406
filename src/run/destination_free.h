#pragma once

#include <cstdint>
#include <string>

namespace brenx::run {

class RunState;

// The free-space figure that the host gives for "this much or more"; it is
// shown as a lower bound.
inline constexpr std::int64_t kLowerBoundFreeSpace = 2147155968;

// Measures the free space of the drive (the job's destination when empty)
// into dstBytesFree, shows it ("drive %s has %s %sbytes free") and puts it in
// the caption line. With nocopy the space is 0; a failed query gives -1. With
// fakesize the space is what the pretended capacity leaves after the bytes
// on the current media.
void ShowDestinationFree(RunState& run, const std::string& drive = std::string());

}  // namespace brenx::run
