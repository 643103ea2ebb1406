#include <chrono>
#include <utility>

#include "console/answers.h"
#include "console/console_operator.h"
#include "console/prompts.h"
#include "run/media_wait.h"

// The media dialog on the console.
namespace brenx::console {

// Waits the minute (or until a line, the end of the input or a Stop press
// ends it, as a second press of the wait button would); the bell stays silent
// meanwhile. True when the input ended.
bool ConsoleOperator::MinuteWait(const run::MediaQuestion& question) {
    using Clock = std::chrono::steady_clock;
    run::MediaWait wait(question);
    Say(wait.ButtonCaption() + " Waiting; press Enter to stop waiting.\n");
    wait.Press();
    const std::chrono::milliseconds tick(timing_.waitTickMs);
    Clock::time_point nextTick = Clock::now() + tick;
    std::string line;
    while (wait.Waiting()) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(nextTick - Clock::now());
        if (left.count() <= 0) {
            wait.Tick();
            nextTick += tick;
            continue;
        }
        switch (input_.Next(line, static_cast<int>(left.count()))) {
            case ConsoleInput::Event::Tick:
                break;
            case ConsoleInput::Event::Line:
                wait.Press();
                break;
            case ConsoleInput::Event::End:
                wait.Close();
                return true;
            case ConsoleInput::Event::Stop:
                stopPending_ = true;
                wait.Press();
                break;
        }
    }
    return false;
}

run::MediaAnswer ConsoleOperator::AskMedia(const run::MediaQuestion& question,
                                           run::MediaDialogActions& actions) {
    bool showText = true;
    std::string line;
    for (;;) {
        if (std::exchange(showText, false)) Say(DialogText("Media Dialog", question.text));
        const Answer answer = ReadAnswer(MediaChoices(question), true, line);
        if (answer == Answer::End) return run::MediaAnswer::GiveUp;
        if (answer == Answer::Stop) {
            NoteStop();
            continue;
        }
        switch (ParseMediaReply(line, question)) {
            case MediaReply::TryAgain:
                return run::MediaAnswer::TryAgain;
            case MediaReply::GiveUp:
                return run::MediaAnswer::GiveUp;
            case MediaReply::Skip:
                return run::MediaAnswer::Skip;
            case MediaReply::Clip:
                SetClipboardText(question.text);
                Say("(clipped; there is no clipboard on a terminal, the text is the question "
                    "above)\n");
                break;
            case MediaReply::MinuteWait:
                if (MinuteWait(question)) return run::MediaAnswer::GiveUp;
                break;
            case MediaReply::Format:
                actions.Format();
                showText = true;
                break;
            case MediaReply::FixSource:
                if (actions.FixSource()) return run::MediaAnswer::SourceFixed;
                showText = true;
                break;
            case MediaReply::Unknown:
                Say("Please answer with one of the letters in brackets.\n");
                break;
        }
    }
}

}  // namespace brenx::console
