#include "app/crc_log_copy.h"

#include "copy/copy_file.h"
#include "copy/destination_directory.h"
#include "copy/flush.h"
#include "options/job_settings.h"
#include "options/option_load.h"
#include "platform/file_queries.h"
#include "run/ask_media.h"
#include "run/destination_free.h"
#include "run/messages.h"
#include "run/name_parts.h"
#include "run/reason_line.h"
#include "run/run_state.h"
#include "run/show_status.h"
#include "run/status_board.h"

namespace brenx::app {
namespace {

bool CopyWanted(run::RunState& run) {
    const options::JobSettings& s = run.Settings();
    return !s.nocopy && !run.verdict.Failed() && run.jobMode == run::JobMode::Copy && s.CRCCopy &&
           s.crc && !s.log.empty() && !s.destination.empty() && !run.Options().LogExplicit();
}

// Room for the log on the destination, asking for new media while there is
// none. False when the operator gave up.
bool RoomForLog(run::RunState& run, std::int64_t logSize) {
    const options::JobSettings& s = run.Settings();
    for (;;) {
        run::ShowDestinationFree(run);
        if (logSize <= run.counters.dstBytesFree) return true;
        const run::MediaAnswer answer = copy::AskCopyMedia(
            run, s.dst_root,
            "Can't copy \"%s\" because it's %d bytes, and only %d bytes left on %s; new media?",
            {s.log, logSize, run.counters.dstBytesFree, s.dst_root}, false);
        if (!run::Accepted(answer)) return false;
        run.counters.cdByteCount = 0;
        run.copySession.nextWaitAt = s.RandomWait;
        run.copySession.destinationDirPending = true;
    }
}

copy::CopyOutcome CopyLog(run::RunState& run, const std::string& target) {
    const options::JobSettings& s = run.Settings();
    const std::int64_t logSize = platform::FileSize64(run.Fs(), s.log);
    if (!RoomForLog(run, logSize))
        return copy::CopyFailed(copy::kCopyNoRoom, copy::CopyStage::Room);
    std::string root = s.dst_root;
    const copy::DirectoryOutcome directory = copy::EnsureDestinationDirectory(run, root);
    if (directory.code != 0) {
        return copy::CopyFailed(copy::kCopyCreateFailed, copy::CopyStage::Directory,
                                directory.error);
    }
    return copy::CopyBFile(run, s.log, target, false);
}

}  // namespace

std::string CrcLogCopyName(run::RunState& run) {
    const options::JobSettings& s = run.Settings();
    return s.dst_root + "b" + run::FileNamePart(s.log);
}

void CopyCrcLogToDestination(run::RunState& run) {
    if (!CopyWanted(run)) return;
    const options::JobSettings& s = run.Settings();
    const std::string note = run.memo.Text() + std::string(21, ' ');
    const std::string target = CrcLogCopyName(run);
    run::StatusBoard& board = run.Board();
    board.SetText(run::BoardText::Source, s.log);
    board.SetText(run::BoardText::Destination, target);
    board.SetText(run::BoardText::FileName, run::FileNamePart(s.log));
    run::ShowStatus(run, note + "Copying log file with CRCs");
    const copy::CopyOutcome outcome = CopyLog(run, target);
    if (!outcome.Done()) {
        run::ErrorMessage(
            run, "%s",
            {run::WithReason(support::SafeFormat("Copy of %s to %s failed; sorry", {s.log, target}),
                             copy::CopyFailureReason(outcome))});
        return;
    }
    board.SetText(run::BoardText::Source, "");
    run::ShowStatus(run, note + "Copied CRC log file!");
    copy::FlushDestination(run, s.dst_root, copy::GoneMedium::Failure);
}

}  // namespace brenx::app
