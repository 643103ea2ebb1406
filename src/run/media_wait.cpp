#include "run/media_wait.h"

namespace brenx::run {

MediaWait::MediaWait(const MediaQuestion& question)
    : buttonCaption_(question.minuteWaitCaption),
      boxCaption_(question.minuteWaitBoxCaption),
      length_(question.minuteWaitTicks) {}

MediaWait::Change MediaWait::Press() {
    if (waiting_) {
        End();
        return Change::Ended;
    }
    waiting_ = true;
    progress_ = 0;
    buttonCaption_ = kStopCaption;
    return Change::Started;
}

MediaWait::Change MediaWait::Tick() {
    if (!waiting_) return Change::None;
    ++progress_;
    if (progress_ < length_) return Change::None;
    End();
    return Change::Ended;
}

void MediaWait::Close() {
    if (waiting_) End();
}

void MediaWait::End() {
    waiting_ = false;
    buttonCaption_ = kAgainCaption;
}

}  // namespace brenx::run
