#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace brenx::scenario {

// A temporary directory tree for runs of brenxc: the program sees its parts
// as drives (by default s: is <root>/s, t: is <root>/t, l: is the root
// itself). Removed at the end.
class Scenario {
  public:
    Scenario();
    ~Scenario();
    Scenario(const Scenario&) = delete;
    Scenario& operator=(const Scenario&) = delete;

    const std::string& Root() const { return root_; }
    std::string Host(const std::string& relative) const { return root_ + "/" + relative; }
    // Writes a file, making its directories.
    void Write(const std::string& relative, const std::string& content) const;
    std::string Read(const std::string& relative) const;
    bool Exists(const std::string& relative) const;

    // BRENX_DRIVES for the runs.
    std::string drives;

  private:
    std::string root_;
};

// What a finished run left.
struct RunResult {
    int exitCode = -1;
    std::string errors;  // standard error: questions, messages, progress
    std::string output;  // standard output, which brenxc keeps clean
};

// One run of brenxc with its standard input and error in the test's hands:
// the test types answers, waits for texts on standard error and presses
// Ctrl-C (SIGINT) while the program runs.
class BrenxcSession {
  public:
    BrenxcSession(const Scenario& scenario, const std::vector<std::string>& arguments);
    ~BrenxcSession();
    BrenxcSession(const BrenxcSession&) = delete;
    BrenxcSession& operator=(const BrenxcSession&) = delete;

    void Type(const std::string& text);
    // Ends the input: every later question gets the end of input.
    void CloseInput();
    // Waits until standard error holds `text` after what earlier waits found;
    // false when the program ended or the time ran out first.
    bool WaitFor(const std::string& text,
                 std::chrono::milliseconds timeout = std::chrono::seconds(10));
    void Interrupt();
    // Ends the program at once (SIGKILL), as a crash or a power cut would,
    // and waits for it.
    void Kill();
    // Closes the input, waits for the end (killing the program after the
    // timeout) and collects what it wrote.
    RunResult Finish(std::chrono::milliseconds timeout = std::chrono::seconds(30));

  private:
    // Reads what the program wrote, waiting at most `wait`; false at the end
    // of both outputs.
    bool Collect(std::chrono::milliseconds wait);

    pid_t pid_ = -1;
    int input_ = -1;
    int errors_ = -1;
    int output_ = -1;
    std::string errorText_;
    std::string outputText_;
    std::size_t searchedTo_ = 0;
};

// Runs brenxc to its end with the input given.
RunResult RunBrenxc(const Scenario& scenario, const std::vector<std::string>& arguments,
                    const std::string& input = "");

}  // namespace brenx::scenario
