#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "run/media_question.h"
#include "support/safe_format.h"

namespace brenx::run {

class RunState;

// The one-minute wait of the media dialog, in one-second ticks.
inline constexpr std::int32_t kMinuteWaitTicks = 60;

// The name of an answer in the log: "mrOK", "mrCancel", "mrIGNORE" or "Unknown".
const char* MediaAnswerName(MediaAnswer answer);

// The media question: try again, skip this one, or give up. Once the run has
// failed (exit code not 0) nothing is shown or logged and the answer is None.
// An empty format shows the previous question again. What the dialog offers
// follows the job: verify offers to fix the source, the other jobs the
// one-minute wait and, when a format program is set, formatting. Every answer
// is logged as "Media (%s):%s" (the question, each line ended by a line
// break, and the answer's name), wrapped for the log. With fakesize, "try
// again" means new media: the bytes on the media start again from 0. In a
// copy job the free space is shown again before and after the question.
MediaAnswer AskMedia(RunState& run, std::string_view format,
                     std::initializer_list<support::FormatArg> args, bool showSkip);

// The question's text as the dialog holds it: each line ended by CR LF.
std::string MediaMemoText(std::string_view text);

}  // namespace brenx::run
