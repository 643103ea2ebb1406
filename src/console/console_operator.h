#pragma once

#include <string>
#include <string_view>

#include "console/console_input.h"
#include "console/console_output.h"
#include "run/operator.h"

namespace brenx::console {

// How the console's dialogs behave; the defaults are the program's.
struct ConsoleTiming {
    // The alarm rings the bell this often while a question waits.
    int bellIntervalMs = 500;
    // One tick of the media dialog's one-minute wait.
    int waitTickMs = 1000;
};

// The operator seam on a terminal. Questions and messages go to the output
// with their caption and the answers they take; each answer is one line of
// input (see answers.h). An empty line is the dialog's default button; the end
// of the input closes every dialog as its frame would: questions answer No,
// the media question gives up, messages simply go on.
//
// Ctrl-C is the Stop button: it is reported at the engine's next poll, which
// asks "Give up now?"; a press while that question waits answers it yes. A
// press while another question waits is kept for the next poll (the question
// still wants its answer); one while a message waits acknowledges it.
//
// There is no clipboard on a terminal: the text the engine clips is kept, and
// the media dialog's "Clip" says so.
class ConsoleOperator : public run::Operator {
  public:
    // `echoAnswers`: write each answer read after its prompt, for input that
    // the terminal does not echo (a pipe or a file).
    ConsoleOperator(ConsoleInput& input, ConsoleOutput& output, bool echoAnswers,
                    ConsoleTiming timing = {})
        : input_(input), output_(output), echoAnswers_(echoAnswers), timing_(timing) {}

    bool ConfirmMessage(const std::string& text, bool alarm, options::QuestionId id) override;
    void InfoMessage(const std::string& text) override;
    void ErrorMessage(const std::string& text) override;
    void ShowLogMessage(const std::string& text) override;
    void SetClipboardText(const std::string& text) override { clipboard_ = text; }

    run::MediaAnswer AskMedia(const run::MediaQuestion& question,
                              run::MediaDialogActions& actions) override;
    bool AskDriveLetter(run::DriveLetterDialog& dialog) override;
    bool PickFile(const run::FilePick& pick, std::string& chosen) override;

    bool PumpEvents() override;
    bool Wait(int milliseconds) override;
    void SetAlarmSound(const std::string& hostPath) override { alarmSound_ = hostPath; }
    void Beep() override { output_.Bell(); }

    const std::string& Clipboard() const { return clipboard_; }

  private:
    enum class Answer { Line, End, Stop };

    // Shows the prompt and waits for one answer; the bell rings meanwhile when
    // the alarm is asked for and a sound is set.
    Answer ReadAnswer(std::string_view prompt, bool alarm, std::string& line);
    void Acknowledge(std::string_view caption, const std::string& text);
    void NoteStop();
    void Say(std::string_view text) { output_.Text(text); }
    bool MinuteWait(const run::MediaQuestion& question);
    void EditDirectory(run::DriveLetterDialog& dialog);
    void ChooseLetter(run::DriveLetterDialog& dialog, char letter);

    ConsoleInput& input_;
    ConsoleOutput& output_;
    bool echoAnswers_;
    ConsoleTiming timing_;
    std::string clipboard_;
    std::string alarmSound_;
    bool stopPending_ = false;
};

}  // namespace brenx::console
