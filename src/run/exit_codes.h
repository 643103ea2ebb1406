#pragma once

#include <cstdint>

#include "options/version_prompt.h"

// The process exit codes. The exit code doubles as the run's failure flag:
// 0 until something fails; once it is set no further job runs and the media
// question is no longer asked.
namespace brenx::run {

inline constexpr std::int32_t kExitSuccess = 0;
inline constexpr std::int32_t kExitCheckingDirectories = 1;  // only while they are checked
inline constexpr std::int32_t kExitGaveUp = 2;               // yes to "Give up now?"
inline constexpr std::int32_t kExitCopyFiles = 3;
inline constexpr std::int32_t kExitCopyDirectories = 4;
inline constexpr std::int32_t kExitCommandTooLong = 5;
inline constexpr std::int32_t kExitProgramStart = 6;
inline constexpr std::int32_t kExitKeyFileMissing = 7;
inline constexpr std::int32_t kExitVerifyFailed = 8;
inline constexpr std::int32_t kExitNoMedia = 9;
inline constexpr std::int32_t kExitBadDirectories = 10;
inline constexpr std::int32_t kExitClearFiles = 11;
inline constexpr std::int32_t kExitClearDirectories = 12;
inline constexpr std::int32_t kExitClearNoMedia = 13;
inline constexpr std::int32_t kExitReadNoMedia = 14;
inline constexpr std::int32_t kExitReadFiles = 15;
inline constexpr std::int32_t kExitReadDirectories = 16;
inline constexpr std::int32_t kExitUserCancelled = 17;
inline constexpr std::int32_t kExitNotNewer = 18;
inline constexpr std::int32_t kExitTidyStart = 19;
inline constexpr std::int32_t kExitWarningHeeded = 20;
inline constexpr std::int32_t kExitNoRoom = 21;
// What was written could not be flushed onto the destination's medium.
inline constexpr std::int32_t kExitFlushFailed = 22;
// A CRC line of a copied file could not be written to the log: the log no
// longer proves every copy.
inline constexpr std::int32_t kExitCrcLinesLost = 23;
// Files were skipped and FailOnSkips asks a run with skips to fail.
inline constexpr std::int32_t kExitFilesSkipped = 24;
inline constexpr std::int32_t kExitVersionPrompt = options::kExitVersionPrompt;

}  // namespace brenx::run
