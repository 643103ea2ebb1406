#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "run/exit_codes.h"
#include "run/media_question.h"
#include "support/safe_format.h"

namespace brenx::run {
class RunState;
}

namespace brenx::copy {

// The exit code of a run whose destination could not be flushed to its
// medium: what was written may not be there.
inline constexpr std::int32_t kExitFlushFailed = run::kExitFlushFailed;
inline constexpr const char* kFlushFailedReason =
    "the destination could not be flushed to its medium";

// What a flush makes of a drive that has no media (or whose file system went
// away): before a media question the medium may well be out already, and
// there is nothing left to flush; at the end of the run it held copies that
// were written since the last flush, which may never have reached it.
enum class GoneMedium { NothingToFlush, Failure };

// Puts everything written to the destination onto its medium: the volume
// that holds `directory` (or, when that is not there yet, the nearest
// directory above it that is). Nothing is flushed in nocopy (nothing is
// written). A flush that fails is logged and told to the operator, and ends
// the run: exit code 22, and the run's loops stop at their next poll. True
// when the run goes on.
bool FlushDestination(run::RunState& run, const std::string& directory,
                      GoneMedium gone = GoneMedium::NothingToFlush);

// The media question of a copy job: the destination is flushed first, so
// that nothing written is left in memory while the operator changes media.
// None when the run has failed (a failed flush included).
run::MediaAnswer AskCopyMedia(run::RunState& run, const std::string& directory,
                              std::string_view format,
                              std::initializer_list<support::FormatArg> args, bool showSkip);

}  // namespace brenx::copy
