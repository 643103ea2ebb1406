#include "run/ask_media.h"

#include "options/job_settings.h"
#include "options/log_file.h"
#include "run/destination_free.h"
#include "run/media_actions.h"
#include "run/operator.h"
#include "run/run_state.h"
#include "support/log_wrap.h"

namespace brenx::run {
namespace {

MediaQuestion BuildQuestion(RunState& run, bool showSkip) {
    const options::JobSettings& settings = run.Settings();
    const bool verify = run.jobMode == JobMode::Verify;
    MediaQuestion question;
    question.text = run.lastMediaText;
    question.showSkip = showSkip;
    question.showFixSource = verify;
    question.showMinuteWait = !verify;
    question.showFormat = !verify && !settings.FormatProgram.empty();
    const double minutes = settings.RandomTime / 60.0;
    question.minuteWaitCaption = support::SafeFormat("wait %.02f'?", {minutes});
    question.minuteWaitBoxCaption = support::SafeFormat("%.02f minute wait", {minutes});
    question.minuteWaitTicks = kMinuteWaitTicks;
    return question;
}

void LogAnswer(RunState& run, const std::string& text, MediaAnswer answer) {
    run.Log().Write(support::WrapForLog(
        support::SafeFormat("Media (%s):%s", {MediaMemoText(text), MediaAnswerName(answer)})));
}

}  // namespace

const char* MediaAnswerName(MediaAnswer answer) {
    switch (answer) {
        case MediaAnswer::TryAgain:
        case MediaAnswer::SourceFixed:
            return "mrOK";
        case MediaAnswer::GiveUp:
            return "mrCancel";
        case MediaAnswer::Skip:
            return "mrIGNORE";
        case MediaAnswer::None:
        case MediaAnswer::Other:
            break;
    }
    return "Unknown";
}

std::string MediaMemoText(std::string_view text) {
    std::string memo;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        memo.append(text.substr(start, end - start)).append("\r\n");
        // One line break: CR LF, a lone CR or a lone LF.
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() &&
            text[end + 1] == '\n') {
            ++end;
        }
        start = end + 1;
    }
    return memo;
}

MediaAnswer AskMedia(RunState& run, std::string_view format,
                     std::initializer_list<support::FormatArg> args, bool showSkip) {
    if (run.verdict.Failed()) return MediaAnswer::None;
    const bool copyMode = run.jobMode == JobMode::Copy;
    if (copyMode) ShowDestinationFree(run);
    if (!format.empty()) run.lastMediaText = support::SafeFormat(format, args);
    const MediaQuestion question = BuildQuestion(run, showSkip);
    EngineMediaActions actions(run);
    MediaAnswer answer = run.Op().AskMedia(question, actions);
    if (answer == MediaAnswer::None) answer = MediaAnswer::Other;
    if (answer == MediaAnswer::TryAgain && run.Settings().fakesize > 0) {
        run.counters.cdByteCount = 0;
    }
    LogAnswer(run, question.text, answer);
    if (copyMode) ShowDestinationFree(run);
    return answer;
}

}  // namespace brenx::run
