#pragma once

#include <cstdint>
#include <string>

#include "run/media_question.h"

namespace brenx::run {

// The media dialog's one-minute wait, as a model: the front end draws it and
// drives it (the wait button, a timer's one-second ticks, the dialog's close);
// the model holds the rule. A new model is made for each question.
//
// Idle, the wait button shows the question's caption ("wait 1.00'?"). A
// press starts a wait: the answer buttons go, the box with the progress shows
// and the button reads "stop waiting". The wait ends after its ticks (a
// minute, whatever the random-wait figure in the captions says) or at a
// second press; the button then reads "wait a minute", and a further press
// starts a new wait.
class MediaWait {
  public:
    // What an operation did, for the alarm: a wait that starts silences it; a
    // wait that ends calls the operator back with it.
    enum class Change { None, Started, Ended };

    static constexpr const char* kStopCaption = "stop waiting";
    static constexpr const char* kAgainCaption = "wait a minute";

    MediaWait() = default;
    explicit MediaWait(const MediaQuestion& question);

    // The wait button: starts a wait, or ends the one under way.
    Change Press();
    // One second of the wait; the last one ends it.
    Change Tick();
    // The dialog closes (by its frame, or the input ended): a wait under way
    // ends without calling anyone back.
    void Close();

    bool Waiting() const { return waiting_; }
    // While waiting, only the wait button and the dialog's frame answer.
    bool TakesAnswers() const { return !waiting_; }
    const std::string& ButtonCaption() const { return buttonCaption_; }
    const std::string& BoxCaption() const { return boxCaption_; }
    // The progress box shows only while waiting: ticks done out of Length().
    std::int32_t Progress() const { return progress_; }
    std::int32_t Length() const { return length_; }

  private:
    void End();

    std::string buttonCaption_ = MediaQuestion().minuteWaitCaption;
    std::string boxCaption_ = MediaQuestion().minuteWaitBoxCaption;
    std::int32_t length_ = MediaQuestion().minuteWaitTicks;
    std::int32_t progress_ = 0;
    bool waiting_ = false;
};

}  // namespace brenx::run
