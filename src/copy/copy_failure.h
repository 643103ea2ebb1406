#pragma once

#include <cstdint>
#include <string>

#include "copy/copy_result.h"

namespace brenx::run {
class RunState;
}

namespace brenx::copy {

// What the walk does with a file after a failed attempt.
enum class AfterFailure {
    Retry,     // try the file again (new media, or the operator said so)
    NextFile,  // pass the file over (skipped, counted as the rules say)
    EndWalk,   // the job ends (the exit code tells why)
};

// A file's failed attempt, as the failure analysis sees it.
struct FailedFile {
    const std::string& sourceDirectory;       // with its trailing backslash
    const std::string& destinationDirectory;  // with its trailing backslash
    const std::string& name;                  // the source name
    const std::string& newName;               // the destination name
    std::int64_t size;                        // the size of its directory entry
};

// Turns a failed attempt into the walk's next step. No room (9) asks for new
// media (no: exit code 21); a file not newer (8) is counted and, with
// NewerComplaint, may end the job (exit code 18). Every other failure, and no
// room after new media, goes through the skip rules (BLRautoSkip for a source
// that did not open and whose name has "_", cant_all, cant_skip, cant_file)
// and otherwise asks "Couldn't CopyBFile( ...); try new media?" with Skip
// shown; the operator's skip is logged and counted. The skip's log entry and
// the question carry the failure's reason on a second line. Once the run has failed (a stop, a
// failed flush) the walk ends without a question.
AfterFailure AnalyseFailure(run::RunState& run, const FailedFile& file, const CopyOutcome& outcome);

}  // namespace brenx::copy
