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
    // The random-wait time in seconds, for the wait captions ("wait %.02f'?").
    std::int32_t randomTime = 60;
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
};

}  // namespace brenx::run
