#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "jobs/read_file.h"
#include "jobs/verify_line.h"

namespace brenx::platform {
class FileHandle;
}

namespace brenx::run {
class RunState;
}

namespace brenx::jobs {

// The read loop of a verify job: every CRC line of the log names a file that
// is read again and its CRC compared with the logged one; message lines are
// shown to the operator; other lines are passed over.
class VerifyJob {
  public:
    VerifyJob(run::RunState& run, std::string logPath);

    // Works through the log to its end. True when the end was reached and no
    // file of this job had a bad CRC. A job that found bad CRCs checks and
    // logs every file first, then fails with the last mismatch as its reason:
    // damaged media must never end a verify with success.
    // A log that cannot be read to its end fails the job too.
    bool Run(platform::FileHandle& log);

  private:
    enum class Step { Next, Stop };
    enum class FileRead { Read, Skipped, Stop };
    // What reading a logged file came to, with the CRC and bytes of a read.
    struct LoggedRead {
        FileRead kind = FileRead::Read;
        ReadOutcome outcome;
    };

    Step Line(const std::string& line);
    Step OtherLine();
    Step DamagedLine(std::string_view format);
    Step CheckFile(const VerifyLine& line);
    LoggedRead ReadLogged(const std::string& logged, std::string& inUse);
    FileRead AskAboutFile(const std::string& logged, std::string& inUse,
                          const ReadOutcome& failure);
    Step Compare(std::uint32_t expected, std::uint32_t read, const std::string& inUse);
    bool Finish();
    bool LogReadFailed(platform::FileHandle& log);

    run::RunState& run_;
    std::string logPath_;
    std::int64_t lineNumber_ = 0;
    bool firstFile_ = true;
    std::int64_t errorsBefore_ = 0;
    std::string lastMismatch_;
};

}  // namespace brenx::jobs
