#pragma once

#include "run/media_question.h"

namespace brenx::run {

class RunState;

// The media dialog's Format and Fix source buttons, with the engine's rules.
class EngineMediaActions : public MediaDialogActions {
  public:
    explicit EngineMediaActions(RunState& run) : run_(run) {}

    // Asks "Run the format program you specified (%s)?" and, on yes, starts
    // the format program without waiting; whether it started is not examined
    // (the operator answers the media question after formatting).
    void Format() override;

    // Opens the drive-letter dialog; on "&Ok do it" with a place named, that
    // place becomes the verify root (VerifyCut starts afresh) and the result
    // is true. An empty field is not taken: the media dialog stays open.
    bool FixSource() override;

    // Opens the help page at its media-question section.
    void OpenHelp() override;

  private:
    RunState& run_;
};

}  // namespace brenx::run
