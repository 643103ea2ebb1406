#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "options/log_file.h"
#include "options/operator.h"
#include "options/option_load.h"
#include "platform/file_system.h"

namespace brenx::options {

// What NextSpecJob found.
struct SpecStep {
    enum class Kind {
        kJob,     // a job is ready in the job settings
        kEnd,     // the list ended normally; the exit code stays as it is
        kFailed,  // the list ended on a failure: set exitCode (and failureReason)
    };
    Kind kind = Kind::kEnd;
    int exitCode = 0;
    // The run's failure text, when the failure has one; empty leaves it as it is.
    std::string failureReason;
};

// Exit codes of a job list that ends on a failure.
inline constexpr int kExitSpecMissingBar = 37;        // operator refused a line without "|"
inline constexpr int kExitSpecBadDefaultLetter = 38;  // ... a bad letter on a "default" line
inline constexpr int kExitSpecBadLetter = 39;         // ... a bad letter on another line
inline constexpr int kExitSpecNestedOpen = 75;        // an "@" file could not be opened, or loops

// Reads the jobs of an "@" spec file one at a time. The file is closed
// between jobs and opened again at the position where the last job line
// ended. Lines end at CR, LF or CR LF; a last line without a line end is read
// too, so that no job at the end of a list is passed over in silence.
//
// Line format, after %NAME% references are expanded (option evarize) and a
// ";" comment with the blanks before it is cut off:
//   (empty or blank)        skipped, but counted
//   @file                   the list goes on in that file for good; a bare
//                           name is taken beside the current spec file
//   default|letters         the default letters of later lines
//   path|d                  a new destination base (and dst_root)
//   path|k, path|x          the destination / source key file
//   path|letters            a job: source = path, destination = the base
//                           with the path mapped under it
// Letters: s (subdirectories), a (archive files only), d, k, x; "-" after a
// letter clears it; anything else is a bad letter, which the operator may let
// pass. A line without "|" may be taken as if it ended with one.
class SpecFileReader {
  public:
    SpecFileReader(platform::FileSystem& fileSystem, Operator& op, Log& log, OptionLoad& options)
        : fileSystem_(fileSystem), op_(op), log_(log), options_(options) {}

    // Takes the destination as the first destination base and opens the list.
    // False when there is no list (not in spec mode, or it cannot be opened:
    // OpenFailed() then tells the run's failure).
    bool StartSpecJobs();
    // Opens the file that `source` names ("@name"), logs its header and starts
    // at its first line. False, after telling the operator, when it cannot be
    // read; false at once when not in spec mode.
    bool OpenSpecFile();
    // Reads up to the next job line and puts that job into the job settings
    // (source, destination, recurse, arconly, and the key files and dst_root
    // that earlier lines set).
    // An "@" file that is already open in the chain of nested files (the
    // list itself, or one that led to it) ends the list as a failure: the list
    // would go round for ever.
    SpecStep NextSpecJob();
    // The failure of a list whose file cannot be opened: exit code 75 and a
    // text that names the file.
    SpecStep OpenFailed();

    bool Active() const { return active_; }
    const std::string& SpecFileName() const { return specFileName_; }
    // Lines read from the current spec file (every piece of a cut line counts).
    std::int32_t LineNumber() const { return lineNumber_; }
    const std::string& CurrentLine() const { return currentLine_; }
    const std::string& DestinationBase() const { return destinationBase_; }
    std::uint8_t DefaultFlags() const { return defaultFlags_; }

  private:
    enum class LineResult { kNext, kJob, kNested, kRefused };

    LineResult Line(std::string line);
    bool AskMissingBar();
    bool AskBadLetter();
    bool Ask(const std::string& subject, const char* question);
    bool EnterNestedFile();
    SpecStep ListFailed(const std::string& name);
    void TakeJob(const std::string& path, std::uint8_t flags);
    std::string NestedFileName(const std::string& rest) const;
    std::string FileNameOfSource() const;
    SpecStep Fail(int exitCode, std::string failureReason = {});

    platform::FileSystem& fileSystem_;
    Operator& op_;
    Log& log_;
    OptionLoad& options_;

    bool active_ = false;
    std::string specFileName_;
    std::int64_t resumePosition_ = 0;
    std::int32_t lineNumber_ = 0;
    std::string currentLine_;
    std::string destinationBase_;
    std::uint8_t defaultFlags_ = 0;
    int refusedExitCode_ = 0;
    std::string refusedQuestion_;
    // Every file opened since the list started: each "@" line leaves its
    // file for good, so a name that comes back would repeat the list.
    std::vector<std::string> chain_;
};

}  // namespace brenx::options
