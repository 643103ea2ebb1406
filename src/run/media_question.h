#pragma once

#include <cstdint>
#include <string>

namespace brenx::run {

// How the media question ended.
enum class MediaAnswer {
    None,         // not shown: the run had already failed
    TryAgain,     // "&Yes; try again" (or Enter)
    SourceFixed,  // "Fix source?" accepted in the drive-letter dialog
    GiveUp,       // "&No; Give up", Escape, or the window closed by its frame
    Skip,         // "&Skip this one?"
    Other,        // the dialog closed any other way
};

// True for the two answers that mean "try the failed step again".
inline bool Accepted(MediaAnswer answer) {
    return answer == MediaAnswer::TryAgain || answer == MediaAnswer::SourceFixed;
}

// What the media dialog is to show. The engine decides every part of it; the
// front end only draws it.
struct MediaQuestion {
    // The question, already formatted; lines are separated by CR LF.
    std::string text;
    bool showSkip = false;        // "&Skip this one?"
    bool showFormat = false;      // "&Format?"
    bool showFixSource = false;   // "Fix source?" (verify only)
    bool showMinuteWait = false;  // the one-minute wait button
    // The one-minute wait: the button's caption, the caption of the box with
    // its progress, and its length in one-second ticks. The captions show
    // the random-wait time; the wait itself always takes a minute.
    std::string minuteWaitCaption = "wait 1.00'?";
    std::string minuteWaitBoxCaption = "1.00 minute wait";
    std::int32_t minuteWaitTicks = 60;
};

// The media dialog's buttons whose rules belong to the engine. The front end
// calls them while the dialog stays open.
class MediaDialogActions {
  public:
    virtual ~MediaDialogActions() = default;
    // "&Format?": asks whether to run the format program and starts it.
    virtual void Format() = 0;
    // "Fix source?": opens the drive-letter dialog. True when a new place was
    // taken; the media dialog then closes with MediaAnswer::SourceFixed.
    virtual bool FixSource() = 0;
    // F1: opens the help page at its section on the media question.
    virtual void OpenHelp() = 0;
};

}  // namespace brenx::run
