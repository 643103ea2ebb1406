#include "run/media_actions.h"

#include "options/job_settings.h"
#include "options/version_prompt.h"
#include "platform/process_starter.h"
#include "run/drive_letter_dialog.h"
#include "run/messages.h"
#include "run/operator.h"
#include "run/run_state.h"

namespace brenx::run {

void EngineMediaActions::Format() {
    const std::string& program = run_.Settings().FormatProgram;
    if (program.empty()) return;
    if (!ConfirmMessage(run_, "Run the format program you specified (%s)?", {program}, true)) {
        return;
    }
    platform::HostError ignored = platform::HostError::None;
    run_.Starter().Start(program, ignored);
}

void EngineMediaActions::OpenHelp() {
    options::OpenHelpSection(run_.Starter(), run_.Fs(), run_.Settings().helphtm,
                             options::kMediaHelpSection);
}

bool EngineMediaActions::FixSource() {
    DriveLetterDialog& dialog = run_.verifySession.driveLetters;
    if (!run_.Op().AskDriveLetter(dialog) || !dialog.CanAccept()) return false;
    run_.verifySession.root = dialog.ChosenRoot();
    run_.verifySession.cut = 0;
    return true;
}

}  // namespace brenx::run
