#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "run/media_question.h"

// The one-line answers of the console front end. Each answer is read without
// regard to case and to the blanks around it; an empty line is the dialog's
// default button.
namespace brenx::console {

// A message question: "y" is OK, "n" is No.
enum class ConfirmReply { Ok, No, Unknown };
ConfirmReply ParseConfirmReply(std::string_view line);

// The media question. Only the answers the question offers are taken.
enum class MediaReply { TryAgain, GiveUp, Skip, Clip, MinuteWait, Format, FixSource, Unknown };
MediaReply ParseMediaReply(std::string_view line, const run::MediaQuestion& question);

// The drive-letter dialog: "+" and "-" are the arrows, "e:" takes that letter,
// "t" the current directory, "o" is "&Ok do it" (and the default), "n" "&Don't".
struct DriveCommand {
    enum class Kind { Up, Down, Letter, ThisDir, Ok, Dont, Unknown };
    Kind kind = Kind::Unknown;
    char letter = 0;  // lower case, for Letter
};
DriveCommand ParseDriveCommand(std::string_view line);

// A file choice: a number from 1 to `count`, or "c" to cancel.
struct PickReply {
    enum class Kind { Chosen, Cancel, Unknown };
    Kind kind = Kind::Unknown;
    std::size_t index = 0;  // from 0, for Chosen
};
PickReply ParsePickReply(std::string_view line, std::size_t count);

// The line without the blanks around it.
std::string TrimBlanks(std::string_view line);
// The line without the blanks around it, in lower case (ASCII letters only).
std::string NormalizeAnswer(std::string_view line);

}  // namespace brenx::console
