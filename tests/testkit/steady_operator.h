#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "run/operator.h"

namespace brenx::testkit {

// An operator that answers without a script, for fault sweeps and parsers fed
// anything: every media question the same way (giving up after a few, so
// that a lasting fault cannot loop), every yes/no question with `confirm`,
// or each in turn with the next bit of a pattern (lowest first, so that a
// fuzz input picks both answers of every question); it declines the
// drive-letter and file choices, counts the questions and keeps the error
// messages.
class SteadyOperator : public run::Operator {
  public:
    struct Bits {
        std::uint32_t answers;
    };

    explicit SteadyOperator(run::MediaAnswer answer = run::MediaAnswer::GiveUp,
                            bool confirm = false)
        : answer_(answer), bits_(confirm ? ~0u : 0u) {}
    explicit SteadyOperator(Bits bits) : bits_(bits.answers) {}

    bool ConfirmMessage(const std::string&, bool, options::QuestionId) override {
        return (bits_ >> (confirmations++ % 32)) & 1u;
    }
    void InfoMessage(const std::string&) override {}
    void ErrorMessage(const std::string& text) override { errors.push_back(text); }
    void ShowLogMessage(const std::string&) override {}
    void SetClipboardText(const std::string&) override {}
    run::MediaAnswer AskMedia(const run::MediaQuestion&, run::MediaDialogActions&) override {
        return ++questions > 5 ? run::MediaAnswer::GiveUp : answer_;
    }
    bool AskDriveLetter(run::DriveLetterDialog&) override { return false; }
    bool PickFile(const run::FilePick&, std::string&) override { return false; }
    bool PumpEvents() override { return false; }
    bool Wait(int) override { return false; }
    void SetAlarmSound(const std::string&) override {}
    void Beep() override {}

    int questions = 0;  // media questions
    int confirmations = 0;
    std::vector<std::string> errors;

  private:
    run::MediaAnswer answer_ = run::MediaAnswer::GiveUp;
    std::uint32_t bits_;
};

}  // namespace brenx::testkit
