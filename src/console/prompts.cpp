#include "console/prompts.h"

#include "support/safe_format.h"

namespace brenx::console {

std::string DialogText(std::string_view caption, std::string_view text) {
    std::string shown = "\n-- ";
    shown.append(caption).append(" --\n").append(text);
    if (shown.back() != '\n') shown += '\n';
    return shown;
}

std::string MediaChoices(const run::MediaQuestion& question) {
    std::string choices = "[y] Yes; try again  [n] No; Give up";
    if (question.showSkip) choices += "  [s] Skip this one?";
    if (question.showMinuteWait) choices += "  [w] " + question.minuteWaitCaption;
    if (question.showFormat) choices += "  [f] Format?";
    if (question.showFixSource) choices += "  [x] Fix source?";
    return choices + "  [c] Clip  (Enter: try again) > ";
}

std::string DriveLetterText(const run::DriveLetterDialog& dialog) {
    std::string text = dialog.Caption() + "\n";
    if (dialog.CurrentMode() == run::DriveLetterDialog::Mode::Letter) {
        text += "Drive letter: " + dialog.Text() + "\n";
    } else {
        text += "Directory: " + dialog.Text() + "\n";
    }
    if (dialog.CheckBoxShown()) {
        text += std::string("Include verify name subdirs: ") +
                (dialog.IncludeSubdirs() ? "yes" : "no") + "\n";
    }
    return text;
}

std::string FilePickText(const run::FilePick& pick) {
    std::string text = pick.title + "\n";
    if (!pick.directory.empty()) text += "in " + pick.directory + "\n";
    if (pick.candidates.empty()) text += "(no file matches)\n";
    for (std::size_t i = 0; i < pick.candidates.size(); ++i) {
        text += "  " + std::to_string(i + 1) + ") " + pick.candidates[i] + "\n";
    }
    return text;
}

}  // namespace brenx::console
