#include "run/caption.h"

#include "options/version_prompt.h"
#include "run/run_state.h"
#include "run/status_board.h"

namespace brenx::run {

void ShowCaption(RunState& run, std::string_view format,
                 std::initializer_list<support::FormatArg> args) {
    const std::string message = support::SafeFormat(format, args);
    run.Board().SetText(
        BoardText::Caption,
        support::SafeFormat("%sBRENX %s/%s/%s:%s. %s",
                            {run.jobLabel, options::kVersionMajor, options::kVersionMinor,
                             options::kVersionYear, kBuildTag, message}));
}

}  // namespace brenx::run
