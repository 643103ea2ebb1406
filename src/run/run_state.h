#pragma once

#include <cstdint>
#include <string>

#include "run/job_sessions.h"
#include "run/pace.h"
#include "run/releasing_operator.h"
#include "run/run_counters.h"
#include "run/status_memo.h"
#include "run/transfer_buffer.h"
#include "run/verdict.h"
#include "support/random_names.h"

namespace brenx::options {
class Log;
class OptionLoad;
struct JobSettings;
}  // namespace brenx::options

namespace brenx::platform {
class FileSystem;
class ProcessStarter;
}  // namespace brenx::platform

namespace brenx::run {

class Operator;
class StatusBoard;
class TickSource;

// The kind of job at hand, as the media dialog, the waits and the completion
// tell them apart.
enum class JobMode { None, Copy, Verify };

// What a run works with and does not own. All of it outlives the run.
struct RunParts {
    options::OptionLoad& options;
    platform::FileSystem& fileSystem;
    options::Log& log;
    Operator& op;
    StatusBoard& board;
    platform::ProcessStarter& starter;
    TickSource& ticks;
};

// The flags of a run.
struct RunFlags {
    bool stopRequested = false;  // Stop pressed (or a close refused); KeepGoing asks
    bool closeAllowed = false;   // the run is over or being abandoned
    bool waitingForStartFile = false;
    bool askedOnce = false;        // the start question has been put
    bool gaveUp = false;           // yes to "Give up now?": no further asking
    bool pauseInProgress = false;  // Pause does not nest
    bool logLossReported = false;  // the lost log entries have been told
};

// The throughput clock: running from the first go-ahead of a job.
struct ThroughputClock {
    bool enabled = false;
    std::uint64_t startTick = 0;
    std::uint64_t lastShownTick = 0;
};

// The key names the option echo shows. They are copies, taken whenever the
// settings or a spec-file job set the keys, so the echo still shows a key
// after the key-file check has cleared the setting.
struct EchoKeys {
    std::string dstkey;
    std::string srckey;
};

// The state of one run of the program, created once the options are loaded
// and passed to every engine routine. It holds the parts the run works with
// and owns everything the jobs of the run share.
class RunState {
  public:
    explicit RunState(const RunParts& parts);
    RunState(const RunState&) = delete;
    RunState& operator=(const RunState&) = delete;

    options::OptionLoad& Options() { return parts_.options; }
    options::JobSettings& Settings();
    platform::FileSystem& Fs() { return parts_.fileSystem; }
    options::Log& Log() { return parts_.log; }
    // The front end's operator, behind the run's release of every medium
    // before each question and wait (ReleasingOperator).
    Operator& Op() { return releasingOp_; }
    StatusBoard& Board() { return parts_.board; }
    platform::ProcessStarter& Starter() { return parts_.starter; }
    TickSource& Ticks() { return parts_.ticks; }

    // Takes the current dstkey and srckey of the settings as the echo's copies.
    void TakeEchoKeys();

    RunCounters counters;
    RunFlags flags;
    JobMode jobMode = JobMode::None;
    std::string destinationRoot;
    std::string jobLabel;

    Verdict verdict;
    CopySession copySession;
    VerifySession verifySession;

    TransferBuffer buffer;
    support::RandomNames randomNames;
    ThroughputClock clock;
    StatusMemo memo;
    EchoKeys echoKeys;
    // The media question last shown; a question without text shows it again.
    std::string lastMediaText;
    // The front end's turns during long work (events, progress); the program
    // sets the interval, tests keep 0 (every poll) unless they test it.
    FrontEndPace pace;
    // When a read of a file last showed the destination's free space (ticks;
    // 0 for never): a job that reads many small files shows it a few times a
    // second, not once per file.
    std::uint64_t freeSpaceShownAt = 0;

  private:
    RunParts parts_;
    ReleasingOperator releasingOp_;
};

}  // namespace brenx::run
