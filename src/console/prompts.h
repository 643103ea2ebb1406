#pragma once

#include <string>
#include <string_view>

#include "run/drive_letter_dialog.h"
#include "run/file_pick.h"
#include "run/media_question.h"

// What the console shows for each dialog: the caption line, the text, and the
// answers it takes. Each ends with the prompt that waits for the answer.
namespace brenx::console {

// The dialog's caption on a line of its own, then its text.
std::string DialogText(std::string_view caption, std::string_view text);

inline constexpr std::string_view kConfirmChoices = "[y] OK  [n] No  (Enter: OK) > ";
inline constexpr std::string_view kAcknowledgeChoices = "[Enter] OK > ";

// The media question's answers, as the question offers them.
std::string MediaChoices(const run::MediaQuestion& question);

// The drive-letter dialog: its caption, the field and its mode, and the
// commands.
std::string DriveLetterText(const run::DriveLetterDialog& dialog);
inline constexpr std::string_view kDriveLetterChoices =
    "[+]/[-] next/previous letter  [e:] that letter  [t] This dir  [o] Ok do it  [n] Don't  "
    "(Enter: Ok do it) > ";

// The candidates of a file choice, numbered from 1.
std::string FilePickText(const run::FilePick& pick);

}  // namespace brenx::console
