#pragma once

#include <cstdint>
#include <string>

namespace brenx::run {

// The run's result: its exit code and why it failed. It is the only holder
// of both; a stage that fails tells it here, and which failure stands when
// several come is decided here alone (Fail):
//
//   standing        a later failure           result
//   none            any                       the later one
//   flush failed    any                       the flush failure stays: what
//                                             was written may not be on the
//                                             medium, whatever failed after
//   any other       a walk's end (3, 4, 11,   the later one: it sums up the
//                   12, 15, 16), verify       failure that ended the walk
//                   failed (8)
//   any other       any other                 the first one stays
//
// A stage names its reason before it can fail (Expect), so that a failure
// told later without a reason of its own, such as the operator giving up,
// carries it; a failure told with its reason names it too. The code of "checking directories" is only provisional: the
// program ends with it if it ends during the check, but it is no failure
// and silences no question.
class Verdict {
  public:
    void Fail(std::int32_t code, std::string reason);
    // A failure with the reason named last by Expect.
    void Fail(std::int32_t code) { Fail(code, expected_); }
    void Expect(std::string reason) { expected_ = std::move(reason); }

    // Success again: a job the operator skipped, a verify that came through.
    void Ok();
    void Provisional(std::int32_t code);

    bool Failed() const { return failed_; }
    std::int32_t Code() const { return code_; }
    // Why the run failed; before a failure, the reason a failure would give.
    const std::string& Reason() const { return failed_ ? reason_ : expected_; }

    // True the first time a failure's reason is to be told: the same reason
    // is told once, however many jobs end with it.
    bool TakeUntold();

  private:
    std::int32_t code_ = 0;
    bool failed_ = false;
    std::string reason_;
    std::string expected_ = "undocumented";
    std::string told_;
};

}  // namespace brenx::run
