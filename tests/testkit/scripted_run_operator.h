#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "run/drive_letter_dialog.h"
#include "run/operator.h"
#include "testkit/fake_tick_source.h"

namespace brenx::testkit {

// The whole operator seam, following a script: the messages, questions, media
// questions, drive-letter dialogs and file choices a test expects, in one
// order, with the answers to give. A call the script does not expect next, and
// an expected call that never comes, fail the test with the text concerned.
// The clipboard, the alarm sound, the waits and the Stop presses are not
// scripted: tests set them up and read them back.
class ScriptedRunOperator : public run::Operator {
  public:
    enum class Kind { kConfirm, kInfo, kError, kLogMessage, kMedia, kDriveLetter, kPickFile };
    // Runs while the media dialog is open: may press its Format and Fix
    // source buttons (whose own questions then come next in the script).
    using MediaWork = std::function<void(const run::MediaQuestion&, run::MediaDialogActions&)>;
    // Works the drive-letter dialog before it closes.
    using DriveLetterWork = std::function<void(run::DriveLetterDialog&)>;

    ScriptedRunOperator() = default;
    ScriptedRunOperator(const ScriptedRunOperator&) = delete;
    ScriptedRunOperator& operator=(const ScriptedRunOperator&) = delete;
    ~ScriptedRunOperator() override { ExpectScriptDone(); }

    ScriptedRunOperator& ExpectConfirm(std::string text, bool answer,
                                       std::optional<bool> alarm = std::nullopt) {
        Step step(Kind::kConfirm, std::move(text));
        step.answer = answer;
        step.alarm = alarm;
        steps_.push_back(std::move(step));
        return *this;
    }
    ScriptedRunOperator& ExpectInfo(std::string text) { return Add(Kind::kInfo, std::move(text)); }
    ScriptedRunOperator& ExpectError(std::string text) {
        return Add(Kind::kError, std::move(text));
    }
    ScriptedRunOperator& ExpectLogMessage(std::string text) {
        return Add(Kind::kLogMessage, std::move(text));
    }
    ScriptedRunOperator& ExpectMedia(std::string text, run::MediaAnswer answer,
                                     MediaWork work = {}) {
        Step step(Kind::kMedia, std::move(text));
        step.mediaAnswer = answer;
        step.mediaWork = std::move(work);
        steps_.push_back(std::move(step));
        return *this;
    }
    ScriptedRunOperator& ExpectDriveLetter(DriveLetterWork work, bool ok) {
        Step step(Kind::kDriveLetter, "drive-letter dialog");
        step.answer = ok;
        step.driveLetterWork = std::move(work);
        steps_.push_back(std::move(step));
        return *this;
    }
    // Expects a file choice titled `title`; answers with `chosen`, or cancels.
    ScriptedRunOperator& ExpectPickFile(std::string title, std::string chosen, bool ok) {
        Step step(Kind::kPickFile, std::move(title));
        step.answer = ok;
        step.chosen = std::move(chosen);
        steps_.push_back(std::move(step));
        return *this;
    }

    bool ConfirmMessage(const std::string& text, bool alarm, options::QuestionId id) override {
        questionIds_.push_back(id);
        const auto step = Next(Kind::kConfirm, text);
        if (!step) return false;
        if (step->alarm && *step->alarm != alarm) {
            ADD_FAILURE() << "question asked " << (alarm ? "with" : "without")
                          << " the alarm: " << text;
        }
        return step->answer;
    }
    void InfoMessage(const std::string& text) override { Next(Kind::kInfo, text); }
    void ErrorMessage(const std::string& text) override { Next(Kind::kError, text); }
    void ShowLogMessage(const std::string& text) override { Next(Kind::kLogMessage, text); }
    void SetClipboardText(const std::string& text) override {
        clipboard_ = text;
        ++clipboardWrites_;
    }

    run::MediaAnswer AskMedia(const run::MediaQuestion& question,
                              run::MediaDialogActions& actions) override {
        mediaQuestions_.push_back(question);
        const auto step = Next(Kind::kMedia, question.text);
        if (!step) return run::MediaAnswer::GiveUp;
        if (step->mediaWork) step->mediaWork(question, actions);
        return step->mediaAnswer;
    }
    bool AskDriveLetter(run::DriveLetterDialog& dialog) override {
        const auto step = Next(Kind::kDriveLetter, "drive-letter dialog");
        if (!step) return false;
        if (step->driveLetterWork) step->driveLetterWork(dialog);
        return step->answer;
    }
    bool PickFile(const run::FilePick& pick, std::string& chosen) override {
        picks_.push_back(pick);
        const auto step = Next(Kind::kPickFile, pick.title);
        if (!step || !step->answer) return false;
        chosen = step->chosen;
        return true;
    }

    bool PumpEvents() override {
        ++pumps_;
        if (onPump) onPump();
        return TakeStop();
    }
    // Records the wait and moves the attached clock on by its length; a Stop
    // press pending is reported (after the full wait).
    bool Wait(int milliseconds) override {
        waits_.push_back(milliseconds);
        if (onWait) return onWait(milliseconds);
        if (clock_ && milliseconds > 0) clock_->Advance(static_cast<std::uint64_t>(milliseconds));
        return TakeStop();
    }
    void SetAlarmSound(const std::string& hostPath) override { alarmSound_ = hostPath; }
    void Beep() override { ++beeps_; }
    int Beeps() const { return beeps_; }

    // The next PumpEvents or Wait reports a Stop press.
    void PressStop() { stopPending_ = true; }
    // Waits move this clock on.
    void AttachClock(FakeTickSource& clock) { clock_ = &clock; }
    // Takes the place of the default wait when set.
    std::function<bool(int)> onWait;
    // Runs at every question and message, before it is checked against the
    // script (to look at what the run holds while the operator is asked).
    std::function<void(const std::string&)> onQuestion;
    // Runs at every event poll (to press Stop at a chosen moment).
    std::function<void()> onPump;

    const std::string& Clipboard() const { return clipboard_; }
    int ClipboardWrites() const { return clipboardWrites_; }
    const std::vector<std::string>& Shown() const { return shown_; }
    // The identity of every question asked, in order.
    const std::vector<options::QuestionId>& QuestionIds() const { return questionIds_; }
    const std::vector<run::MediaQuestion>& MediaQuestions() const { return mediaQuestions_; }
    const std::vector<run::FilePick>& Picks() const { return picks_; }
    const std::vector<int>& Waits() const { return waits_; }
    int Pumps() const { return pumps_; }
    const std::string& AlarmSound() const { return alarmSound_; }
    bool ScriptDone() const { return steps_.empty(); }

    void ExpectScriptDone() {
        for (const Step& step : steps_) {
            ADD_FAILURE() << "expected " << Name(step.kind) << " never came: " << step.text;
        }
        steps_.clear();
    }

  private:
    struct Step {
        Step(Kind kindIn, std::string textIn) : kind(kindIn), text(std::move(textIn)) {}
        Kind kind;
        std::string text;
        bool answer = false;
        std::optional<bool> alarm;
        run::MediaAnswer mediaAnswer = run::MediaAnswer::GiveUp;
        MediaWork mediaWork;
        DriveLetterWork driveLetterWork;
        std::string chosen;
    };

    ScriptedRunOperator& Add(Kind kind, std::string text) {
        steps_.emplace_back(kind, std::move(text));
        return *this;
    }

    bool TakeStop() { return std::exchange(stopPending_, false); }

    static const char* Name(Kind kind) {
        switch (kind) {
            case Kind::kConfirm:
                return "question";
            case Kind::kInfo:
                return "information";
            case Kind::kError:
                return "error message";
            case Kind::kLogMessage:
                return "log message";
            case Kind::kMedia:
                return "media question";
            case Kind::kDriveLetter:
                return "drive-letter dialog";
            case Kind::kPickFile:
                return "file choice";
        }
        return "call";
    }

    std::optional<Step> Next(Kind kind, const std::string& text) {
        if (onQuestion) onQuestion(text);
        shown_.push_back(text);
        if (steps_.empty()) {
            ADD_FAILURE() << "unexpected " << Name(kind) << ": " << text;
            return std::nullopt;
        }
        Step step = std::move(steps_.front());
        steps_.pop_front();
        if (step.kind != kind || step.text != text) {
            ADD_FAILURE() << "expected " << Name(step.kind) << ": " << step.text << "\n     got "
                          << Name(kind) << ": " << text;
            return std::nullopt;
        }
        return step;
    }

    std::deque<Step> steps_;
    std::vector<std::string> shown_;
    std::vector<options::QuestionId> questionIds_;
    std::vector<run::MediaQuestion> mediaQuestions_;
    std::vector<run::FilePick> picks_;
    std::vector<int> waits_;
    std::string clipboard_;
    int clipboardWrites_ = 0;
    int pumps_ = 0;
    bool stopPending_ = false;
    FakeTickSource* clock_ = nullptr;
    std::string alarmSound_;
    int beeps_ = 0;
};

}  // namespace brenx::testkit
