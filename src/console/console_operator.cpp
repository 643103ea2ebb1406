#include "console/console_operator.h"

#include <utility>

#include "console/answers.h"
#include "console/prompts.h"

namespace brenx::console {

ConsoleOperator::Answer ConsoleOperator::ReadAnswer(std::string_view prompt, bool alarm,
                                                    std::string& line) {
    Say(prompt);
    const bool bell = alarm && !alarmSound_.empty();
    for (;;) {
        switch (input_.Next(line, bell ? timing_.bellIntervalMs : 0)) {
            case ConsoleInput::Event::Line:
                if (echoAnswers_) Say(line + "\n");
                return Answer::Line;
            case ConsoleInput::Event::End:
                Say("(end of input)\n");
                return Answer::End;
            case ConsoleInput::Event::Stop:
                return Answer::Stop;
            case ConsoleInput::Event::Tick:
                output_.Bell();
                break;
        }
    }
}

void ConsoleOperator::NoteStop() {
    stopPending_ = true;
    Say("\n(Stop noted: it takes effect once this question is answered)\n");
}

bool ConsoleOperator::ConfirmMessage(const std::string& text, bool alarm, options::QuestionId id) {
    Say(DialogText("Confirm?", text));
    std::string line;
    for (;;) {
        switch (ReadAnswer(kConfirmChoices, alarm, line)) {
            case Answer::End:
                return false;
            case Answer::Stop:
                if (id == options::QuestionId::GiveUpNow) {
                    Say("\n(Stop pressed again: giving up)\n");
                    return true;
                }
                NoteStop();
                break;
            case Answer::Line:
                const ConfirmReply reply = ParseConfirmReply(line);
                if (reply != ConfirmReply::Unknown) return reply == ConfirmReply::Ok;
                Say("Please answer y or n.\n");
                break;
        }
    }
}

void ConsoleOperator::Acknowledge(std::string_view caption, const std::string& text) {
    Say(DialogText(caption, text));
    std::string line;
    if (ReadAnswer(kAcknowledgeChoices, true, line) == Answer::Stop) {
        stopPending_ = true;
        Say("\n(Stop noted)\n");
    }
}

void ConsoleOperator::InfoMessage(const std::string& text) {
    Acknowledge("Information", text);
}

void ConsoleOperator::ErrorMessage(const std::string& text) {
    Acknowledge("Error", text);
}

void ConsoleOperator::ShowLogMessage(const std::string& text) {
    Acknowledge("Log message:", text);
}

bool ConsoleOperator::PumpEvents() {
    const bool pressed = input_.TakeStop();
    return std::exchange(stopPending_, false) || pressed;
}

bool ConsoleOperator::Wait(int milliseconds) {
    if (std::exchange(stopPending_, false)) return true;
    return milliseconds > 0 && input_.Sleep(milliseconds);
}

}  // namespace brenx::console
