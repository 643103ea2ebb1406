#include "run/drive_letter_dialog.h"

#include "platform/file_system.h"
#include "support/ascii_case.h"
#include "support/path_names.h"
#include "support/safe_format.h"
#include "support/utf8.h"

namespace brenx::run {

void DriveLetterDialog::PresetFor(const std::string& loggedName) {
    text_ = support::Utf8Prefix(loggedName, 1);
    caption_ = support::SafeFormat("jiggery verify: \"%s\"", {loggedName});
}

void DriveLetterDialog::Step(int direction) {
    mode_ = Mode::Letter;
    // An empty field steps as if it held a character below "a".
    int letter =
        text_.empty() ? 'a' - 1 : static_cast<unsigned char>(support::AsciiLower(text_[0]));
    letter += direction;
    if (letter < 'a') letter = 'a';
    if (letter > 'z') letter = 'z';
    text_.assign(1, static_cast<char>(letter));
}

void DriveLetterDialog::UseCurrentDirectory() {
    mode_ = Mode::Directory;
    checkBoxShown_ = true;
    const std::string current = fileSystem_.CurrentDirectory();
    // Without a current directory the field is left empty for the operator to fill.
    text_ = current.empty() ? std::string() : support::WithTrailingBackslash(current);
}

bool DriveLetterDialog::SetText(const std::string& text) {
    if (mode_ != Mode::Directory) return false;
    text_ = text;
    return true;
}

std::string DriveLetterDialog::ChosenRoot() const {
    // A field of one character is a drive letter, a longer one a directory;
    // either way the whole field is the root.
    return text_;
}

}  // namespace brenx::run
