#include "run/messages.h"

#include "run/operator.h"
#include "run/run_state.h"

namespace brenx::run {
namespace {

// Formats the text and puts it on the clipboard before it is shown.
std::string Clipped(RunState& run, std::string_view format,
                    std::initializer_list<support::FormatArg> args) {
    std::string text = support::SafeFormat(format, args);
    run.Op().SetClipboardText(text);
    return text;
}

}  // namespace

void ShowLogMessage(RunState& run, const std::string& text) {
    run.Op().ShowLogMessage(text);
}

void InfoMessage(RunState& run, std::string_view format,
                 std::initializer_list<support::FormatArg> args) {
    run.Op().InfoMessage(Clipped(run, format, args));
}

void ErrorMessage(RunState& run, std::string_view format,
                  std::initializer_list<support::FormatArg> args) {
    run.Op().ErrorMessage(Clipped(run, format, args));
}

bool ConfirmMessage(RunState& run, std::string_view format,
                    std::initializer_list<support::FormatArg> args, bool alarm,
                    options::QuestionId id) {
    return run.Op().ConfirmMessage(Clipped(run, format, args), alarm, id);
}

}  // namespace brenx::run
