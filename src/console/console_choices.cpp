#include "console/answers.h"
#include "console/console_operator.h"
#include "console/prompts.h"
#include "run/drive_letter_dialog.h"

// The drive-letter dialog of verify and the file choice on the console.
namespace brenx::console {

void ConsoleOperator::ChooseLetter(run::DriveLetterDialog& dialog, char letter) {
    // The arrows are the dialog's only way to a letter: down to "a", then up.
    for (int i = 0; i < 26; ++i)
        dialog.StepDown();
    for (char c = 'a'; c < letter; ++c)
        dialog.StepUp();
}

void ConsoleOperator::EditDirectory(run::DriveLetterDialog& dialog) {
    dialog.UseCurrentDirectory();
    std::string line;
    Say("Directory: " + dialog.Text() + "\n");
    if (ReadAnswer("New directory (Enter keeps it) > ", false, line) == Answer::Line &&
        !TrimBlanks(line).empty()) {
        dialog.SetText(TrimBlanks(line));
    }
    if (ReadAnswer("Include verify name subdirs? [y] yes  [n] no  (Enter keeps it) > ", false,
                   line) != Answer::Line) {
        return;
    }
    const ConfirmReply reply = ParseConfirmReply(line);
    if (!NormalizeAnswer(line).empty() && reply != ConfirmReply::Unknown) {
        dialog.SetIncludeSubdirs(reply == ConfirmReply::Ok);
    }
}

bool ConsoleOperator::AskDriveLetter(run::DriveLetterDialog& dialog) {
    using Kind = DriveCommand::Kind;
    std::string line;
    for (;;) {
        Say(DialogText("Fix source?", DriveLetterText(dialog)));
        const Answer answer = ReadAnswer(kDriveLetterChoices, false, line);
        if (answer == Answer::End) return false;
        if (answer == Answer::Stop) {
            NoteStop();
            continue;
        }
        const DriveCommand command = ParseDriveCommand(line);
        switch (command.kind) {
            case Kind::Up:
                dialog.StepUp();
                break;
            case Kind::Down:
                dialog.StepDown();
                break;
            case Kind::Letter:
                ChooseLetter(dialog, command.letter);
                break;
            case Kind::ThisDir:
                EditDirectory(dialog);
                break;
            case Kind::Ok:
                if (dialog.CanAccept()) return true;
                Say("The field is empty: name a drive letter or a directory.\n");
                break;
            case Kind::Dont:
                return false;
            case Kind::Unknown:
                Say("Please answer with one of the commands in brackets.\n");
                break;
        }
    }
}

bool ConsoleOperator::PickFile(const run::FilePick& pick, std::string& chosen) {
    Say(DialogText(pick.title, FilePickText(pick)));
    std::string line;
    for (;;) {
        const Answer answer = ReadAnswer("Number of the file, or [c] cancel > ", false, line);
        if (answer == Answer::End) return false;
        if (answer == Answer::Stop) {
            NoteStop();
            continue;
        }
        const PickReply reply = ParsePickReply(line, pick.candidates.size());
        if (reply.kind == PickReply::Kind::Cancel) return false;
        if (reply.kind == PickReply::Kind::Chosen) {
            chosen = pick.candidates[reply.index];
            return true;
        }
        Say("Please answer with a number from the list, or c.\n");
    }
}

}  // namespace brenx::console
