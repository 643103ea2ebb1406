#pragma once

#include <string>

#include "options/operator.h"
#include "run/file_pick.h"
#include "run/media_question.h"

namespace brenx::run {

class DriveLetterDialog;

// The whole of what the engine asks of the person at the machine: the
// message routines of options::Operator plus the media question, the
// drive-letter and file choices, and the calls that keep a long job
// responsive. Every text arrives formatted; the engine owns every rule around
// a question (what is logged, what the answer changes). One thread; no call
// may throw.
//
// A front end with an event loop runs the engine on the loop's thread and
// lets its events run only inside PumpEvents, Wait and the modal dialogs, so
// its handlers can be called in the middle of a job. The rule for them: a
// handler only sets flags (a Stop press, a close request turned into one),
// works its own dialog, or closes its dialog; it never calls back into the
// run. Only the media dialog's buttons do, through the MediaDialogActions the
// engine hands them while the question is open. (A help button that only
// starts the help viewer touches nothing of the run.)
class Operator : public options::Operator {
  public:
    // Shows the media dialog until the operator answers. Never returns None.
    virtual MediaAnswer AskMedia(const MediaQuestion& question, MediaDialogActions& actions) = 0;

    // Shows the drive-letter dialog over the model and lets the operator work
    // it through its methods (StepUp, StepDown, UseCurrentDirectory, SetText,
    // SetIncludeSubdirs). True for "&Ok do it", false for "&Don't".
    virtual bool AskDriveLetter(DriveLetterDialog& dialog) = 0;

    // Lets the operator choose one of the candidates; false when cancelled.
    virtual bool PickFile(const FilePick& pick, std::string& chosen) = 0;

    // Lets pending events run and returns at once. True when the operator
    // pressed Stop (or asked to close the window) since the last call.
    virtual bool PumpEvents() = 0;

    // Waits the time while staying responsive, without spinning a core. True
    // when Stop was pressed meanwhile; it may then return early.
    virtual bool Wait(int milliseconds) = 0;

    // The alarm sound in force for the run, as a host path; empty for none.
    // Questions asked with the alarm sound it while they wait.
    virtual void SetAlarmSound(const std::string& hostPath) = 0;

    // The system beep, once (the eject request calls the operator with three).
    virtual void Beep() = 0;
};

}  // namespace brenx::run
