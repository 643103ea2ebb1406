#include "jobs/verify_job.h"

#include "jobs/read_file.h"
#include "jobs/verify_counts.h"
#include "jobs/verify_root.h"
#include "options/job_settings.h"
#include "options/line_end_stream.h"
#include "options/log_file.h"
#include "platform/file_handle.h"
#include "run/ask_media.h"
#include "run/destination_free.h"
#include "run/keep_going.h"
#include "run/messages.h"
#include "run/reason_line.h"
#include "run/run_state.h"
#include "run/skipped_files.h"
#include "run/status_board.h"
#include "support/number_text.h"
#include "support/path_names.h"
#include "support/read_ahead_stream.h"
#include "support/text_file.h"

namespace brenx::jobs {
namespace {

// The line at which a log without a single CRC line is questioned.
constexpr std::int64_t kNoCrcLinesQuestionAt = 1000;
// The most bytes of one log line kept: far beyond any path a file system
// takes, yet a file without line ends cannot fill the memory.
constexpr std::size_t kMaxLogLineBytes = 1 << 20;

}  // namespace

VerifyJob::VerifyJob(run::RunState& run, std::string logPath)
    : run_(run), logPath_(std::move(logPath)), errorsBefore_(run.counters.crcErrors) {}

// Lines end at CR, LF or CR LF (a log that went through an editor or another
// tool), and are read whole, so that a CRC line of a long path is one line.
bool VerifyJob::Run(platform::FileHandle& log) {
    support::ReadAheadStream readAhead(log);
    options::LineEndStream stream(readAhead);
    std::string line;
    for (;;) {
        const bool ended = support::ReadWholeLine(stream, line, kMaxLogLineBytes);
        // A last line without a line end is still a line of the log.
        if (!ended && line.empty()) break;
        ++lineNumber_;
        if (Line(line) == Step::Stop) return false;
        if (!ended) break;
    }
    if (LogReadFailed(log)) return false;
    return Finish();
}

VerifyJob::Step VerifyJob::Line(const std::string& line) {
    const VerifyLine parsed = ParseVerifyLine(line);
    switch (parsed.kind) {
        case VerifyLine::Kind::Other:
            return OtherLine();
        case VerifyLine::Kind::Message:
            run::ShowLogMessage(run_, parsed.text);
            return Step::Next;
        case VerifyLine::Kind::MissingBar:
            return DamagedLine("2nd %s missing from line #%d in %s");
        case VerifyLine::Kind::RunTogether:
            return DamagedLine("3rd %s in line #%d in %s (lines run together)");
        case VerifyLine::Kind::Crc:
            return CheckFile(parsed);
    }
    return Step::Next;
}

VerifyJob::Step VerifyJob::OtherLine() {
    if (lineNumber_ == kNoCrcLinesQuestionAt && run_.counters.fileCount == 0 &&
        run::ConfirmMessage(run_, "Read %d lines and still no crc-style spec; Give up?",
                            {lineNumber_})) {
        return Step::Stop;
    }
    return run::KeepGoing(run_) ? Step::Next : Step::Stop;
}

// A line that begins like a CRC line but cannot be one; no file is counted.
VerifyJob::Step VerifyJob::DamagedLine(std::string_view format) {
    const std::string damage = support::SafeFormat(format, {"|", lineNumber_, logPath_});
    run_.verdict.Expect(damage);
    run_.Log().Write(damage);
    const bool ignore = run::ConfirmMessage(run_, "%s; ignore and continue?", {damage});
    return ignore ? Step::Next : Step::Stop;
}

VerifyJob::Step VerifyJob::CheckFile(const VerifyLine& line) {
    std::string inUse = line.text;
    ApplyVerifyRoot(run_, inUse);
    run_.Board().SetText(run::BoardText::FileName, inUse);
    if (firstFile_) {
        firstFile_ = false;
        run::ShowDestinationFree(run_, inUse);
    }
    const LoggedRead read = ReadLogged(line.text, inUse);
    if (read.kind == FileRead::Stop) return Step::Stop;
    if (read.kind == FileRead::Skipped) return Step::Next;
    if (!run::KeepGoing(run_)) return Step::Stop;
    run::RunCounters& counters = run_.counters;
    const std::int64_t bytes = read.outcome.crcBytes;
    counters.byteCount += bytes;
    counters.cdByteCount += bytes;
    ++counters.fileCount;
    ShowVerifyCounts(run_);
    return Compare(line.crc, read.outcome.crc, inUse);
}

// Reads the file under the name in use; after a failure once more under its
// shortened name (fix64: CD writers cut long names to 64 characters), then
// asks the operator, with the reason the name as given could not be read.
VerifyJob::LoggedRead VerifyJob::ReadLogged(const std::string& logged, std::string& inUse) {
    bool clipped = false;
    ReadOutcome failure;
    for (;;) {
        const ReadOutcome outcome = ReadBFile(run_, inUse);
        if (outcome.result == ReadResult::Done) return LoggedRead{FileRead::Read, outcome};
        if (outcome.result == ReadResult::Stopped) return LoggedRead{FileRead::Stop, outcome};
        if (!clipped) failure = outcome;
        if (clipped) {
            inUse = logged;
        } else if (run_.Settings().fix64) {
            clipped = true;
            bool changed = false;
            std::string shortened = support::ShortenLongComponents(inUse, changed);
            if (changed) {
                inUse = std::move(shortened);
                continue;
            }
        }
        const FileRead answer = AskAboutFile(logged, inUse, failure);
        if (answer != FileRead::Read) return LoggedRead{answer, {}};
        clipped = false;
    }
}

// The media question for a file that cannot be read; Read means "try again"
// (with the name re-rooted afresh: the operator may have fixed the source).
VerifyJob::FileRead VerifyJob::AskAboutFile(const std::string& logged, std::string& inUse,
                                            const ReadOutcome& failure) {
    run_.verifySession.driveLetters.PresetFor(logged);
    const std::string question = run::WithReason(
        support::SafeFormat("Couldn't ReadBFile(%s)!?; Try again? (wait awhile for new cd?)",
                            {inUse}),
        ReadFailureReason(failure));
    const run::MediaAnswer answer = run::AskMedia(run_, "%s", {question}, true);
    if (run::Accepted(answer)) {
        inUse = logged;
        ApplyVerifyRoot(run_, inUse);
        return FileRead::Read;
    }
    if (answer != run::MediaAnswer::Skip) return FileRead::Stop;
    run::SkippedByOperator(run_, support::SafeFormat("ReadBFile(%s), not verified", {inUse}));
    return FileRead::Skipped;
}

VerifyJob::Step VerifyJob::Compare(std::uint32_t expected, std::uint32_t read,
                                   const std::string& inUse) {
    if (read == expected) return Step::Next;
    run::RunCounters& counters = run_.counters;
    ++counters.crcErrors;
    ShowVerifyCounts(run_);
    lastMismatch_ = support::SafeFormat(
        "%s #%d, file %s: crc sb %x, but is %x (filecount: %s; bytecount: %s; cd_bytecount: %s)",
        {logPath_, lineNumber_, inUse, expected, read, support::GroupedNumber(counters.fileCount),
         support::GroupedNumber(counters.byteCount), support::GroupedNumber(counters.cdByteCount)});
    run_.verdict.Expect(lastMismatch_);
    run_.Log().Write(lastMismatch_);
    if (run_.Settings().VerifyComplete) return Step::Next;
    return run::ConfirmMessage(run_, "%s; continue anyway?", {lastMismatch_}) ? Step::Next
                                                                              : Step::Stop;
}

bool VerifyJob::LogReadFailed(platform::FileHandle& log) {
    if (log.LastError() == platform::HostError::None) return false;
    const std::string failure =
        support::SafeFormat("Couldn't read verify log %s to its end (%s)",
                            {logPath_, platform::HostErrorText(log.LastError())});
    run_.verdict.Expect(failure);
    run_.Log().Write(failure);
    return true;
}

bool VerifyJob::Finish() {
    run::RunCounters& counters = run_.counters;
    if (counters.fileCount == 0 &&
        !run::ConfirmMessage(run_,
                             "Finished but there no files to verify! Exit without error anyway?")) {
        return false;
    }
    run_.Log().Write(support::SafeFormat(
        "Verified %d files from log %s had correct checksums; %d files had bad checksums",
        {counters.fileCount - counters.crcErrors, logPath_, counters.crcErrors}));
    run::LogSkippedFiles(run_);
    if (counters.crcErrors > errorsBefore_) {
        run_.verdict.Expect(lastMismatch_);
        return false;
    }
    run_.verdict.Ok();
    return true;
}

}  // namespace brenx::jobs
