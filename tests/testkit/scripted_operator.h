#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "options/operator.h"

namespace brenx::testkit {

// An operator that follows a script: the questions and messages a test
// expects, in order, with the answers to give. A call that the script does not
// expect next, and an expected call that never comes, fail the test with the
// text concerned. The clipboard is kept, not scripted: tests read it back.
class ScriptedOperator : public options::Operator {
  public:
    enum class Kind { kConfirm, kInfo, kError, kLogMessage };

    ScriptedOperator() = default;
    ScriptedOperator(const ScriptedOperator&) = delete;
    ScriptedOperator& operator=(const ScriptedOperator&) = delete;
    ~ScriptedOperator() override { ExpectScriptDone(); }

    // Expects the question with this exact text and answers it. With `alarm`
    // given, the question must also ask for (or go without) the alarm.
    ScriptedOperator& ExpectConfirm(std::string text, bool answer,
                                    std::optional<bool> alarm = std::nullopt) {
        steps_.push_back({Kind::kConfirm, std::move(text), answer, alarm});
        return *this;
    }
    ScriptedOperator& ExpectInfo(std::string text) {
        steps_.push_back({Kind::kInfo, std::move(text), false, std::nullopt});
        return *this;
    }
    ScriptedOperator& ExpectError(std::string text) {
        steps_.push_back({Kind::kError, std::move(text), false, std::nullopt});
        return *this;
    }
    ScriptedOperator& ExpectLogMessage(std::string text) {
        steps_.push_back({Kind::kLogMessage, std::move(text), false, std::nullopt});
        return *this;
    }

    bool ConfirmMessage(const std::string& text, bool alarm, options::QuestionId) override {
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

    const std::string& Clipboard() const { return clipboard_; }
    int ClipboardWrites() const { return clipboardWrites_; }
    // Every text shown so far, in order.
    const std::vector<std::string>& Shown() const { return shown_; }
    bool ScriptDone() const { return steps_.empty(); }

    // Fails the test for each expected call that has not come, and forgets them.
    void ExpectScriptDone() {
        for (const Step& step : steps_) {
            ADD_FAILURE() << "expected " << Name(step.kind) << " never came: " << step.text;
        }
        steps_.clear();
    }

  private:
    struct Step {
        Kind kind;
        std::string text;
        bool answer;
        std::optional<bool> alarm;
    };

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
        }
        return "call";
    }

    std::optional<Step> Next(Kind kind, const std::string& text) {
        shown_.push_back(text);
        if (steps_.empty()) {
            ADD_FAILURE() << "unexpected " << Name(kind) << ": " << text;
            return std::nullopt;
        }
        Step step = steps_.front();
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
    std::string clipboard_;
    int clipboardWrites_ = 0;
};

}  // namespace brenx::testkit
