#pragma once

#include <string>

namespace brenx::options {

// Which question is put. A front end shows the text; the identity lets it
// answer a question by other means than its buttons (a second Stop press
// answers "Give up now?") without recognising the question by its words.
enum class QuestionId {
    Other,
    GiveUpNow,  // "Give up now?" after a Stop press
    SkipDelay,  // "Skip the delay?" after a Stop press during a wait
};

// What the engine asks of the person at the machine. The engine formats each
// text first (with SafeFormat) and owns the rules around every question: what
// is logged and what the answer changes. A front end only shows the text and
// returns the answer. A question whose text ends "(I clipped it)" has had its
// subject put on the clipboard by the engine before it is asked.
//
// Every call is made on the one thread that runs the engine; none may throw.
class Operator {
  public:
    virtual ~Operator() = default;

    // A yes/no question; true when the operator agreed to what it names.
    // `alarm` asks for the alarm noise while the question waits.
    virtual bool ConfirmMessage(const std::string& text, bool alarm, QuestionId id) = 0;
    // A notice that needs only an acknowledgement.
    virtual void InfoMessage(const std::string& text) = 0;
    // A failure report that needs only an acknowledgement.
    virtual void ErrorMessage(const std::string& text) = 0;
    // A message line carried inside a CRC log, shown as it is.
    virtual void ShowLogMessage(const std::string& text) = 0;
    // Replaces the clipboard's content with the text.
    virtual void SetClipboardText(const std::string& text) = 0;
};

}  // namespace brenx::options
