#include "app/completion.h"

#include "app/crc_log_copy.h"
#include "app/kept_messages.h"
#include "copy/random_wait.h"
#include "jobs/destination_flush.h"
#include "jobs/tidy_start.h"
#include "options/job_settings.h"
#include "options/log_file.h"
#include "options/option_load.h"
#include "options/skip_rules.h"
#include "run/counts_file.h"
#include "run/destination_free.h"
#include "run/log_loss.h"
#include "run/messages.h"
#include "run/report_failure.h"
#include "run/run_state.h"
#include "run/skipped_files.h"
#include "run/status_board.h"
#include "run/throughput_clock.h"

namespace brenx::app {
namespace {

void ShowFinished(run::RunState& run) {
    run.Board().SetBannerLook(run::BannerLook::Success);
    run.Board().SetText(run::BoardText::Banner, "Hooray! We finished! Succesfully maybe....");
}

// The success banner only once what was written is on the media.
bool FlushAndShowFinished(run::RunState& run, jobs::DestinationFlush& flush) {
    if (!flush.FlushAll(run)) return false;
    ShowFinished(run);
    return true;
}

void LogTotals(run::RunState& run) {
    const run::RunCounters& c = run.counters;
    run.Log().Write(
        support::SafeFormat("filecount: %d, bytecount: %d, cd_bytecount: %d, NewerSkipped: %d",
                            {c.fileCount, c.byteCount, c.cdByteCount, c.newerSkipped}));
    run::LogSkippedFiles(run);
}

void SucceededEnding(run::RunState& run, jobs::DestinationFlush& flush) {
    if (!FlushAndShowFinished(run, flush)) return;
    run::CountsFile(run, true);
    if (run.Options().SpecMode()) return;
    CopyCrcLogToDestination(run);
    if (!run.verdict.Failed() && !run.Settings().noprompt) {
        run::InfoMessage(run, "Looks like we got out of here alive yet once again; I hope....");
    }
}

RunEnd CloseOrTidy(run::RunState& run) {
    const bool tidyFailed =
        !run.verdict.Failed() && !run.Settings().tidy.empty() && !jobs::StartTidy(run);
    run.flags.closeAllowed = !tidyFailed;
    return RunEnd{run.verdict.Code(), !tidyFailed};
}

}  // namespace

std::int64_t SkipTotal(run::RunState& run) {
    const run::RunCounters& c = run.counters;
    std::int64_t total = c.autoSkips + c.optionSkips;
    if (!run.Settings().noskipmsg) total += c.newerSkipped;
    return total;
}

void SkipMessages(run::RunState& run) {
    const options::JobSettings& settings = run.Settings();
    const run::RunCounters& c = run.counters;
    if (settings.skips_ok < SkipTotal(run)) {
        if (c.autoSkips > 0) {
            run::ErrorMessage(
                run, "There were %d BLRautoSkips; might want to look into that (check log?).",
                {c.autoSkips});
        }
        if (c.newerSkipped > 0 && !settings.noskipmsg && !settings.noprompt) {
            run::InfoMessage(
                run, "%d skipped because source was %s as destination (check log for \"%s\"?).",
                {c.newerSkipped, options::NewerRuleLabel(settings, true),
                 options::NewerRuleLabel(settings, false)});
        }
        if (c.optionSkips > 0 && !settings.noprompt) {
            run::ErrorMessage(
                run, "%d files skipped because of a \"skip\" option (check log for \"skip:\"?).",
                {c.optionSkips});
        }
    }
    if (c.crcErrors > 0) {
        run::ErrorMessage(run, "%d crc errors (check log for \"crc sb\"?).", {c.crcErrors});
    }
}

void SpecFileEnding(run::RunState& run, jobs::DestinationFlush& flush) {
    run::StopThroughputClock(run);
    run::CheckLogBeforeBanner(run);
    run::FailRunWithSkips(run);
    if (run.verdict.Failed() || !FlushAndShowFinished(run, flush)) return;
    CopyCrcLogToDestination(run);
    if (!run.verdict.Failed() && !run.Settings().noprompt) {
        run::InfoMessage(run, "Amazingly finished your @ spec sans error! I suppose... (%d skips)",
                         {SkipTotal(run)});
    }
}

RunEnd Completion(run::RunState& run, jobs::DestinationFlush& flush) {
    run::StopThroughputClock(run);
    LogTotals(run);
    run::ShowDestinationFree(run);
    copy::RandomWaitOrEject(run, true);
    run::CheckLogBeforeBanner(run);
    run::FailRunWithSkips(run);
    if (!run.verdict.Failed()) {
        SucceededEnding(run, flush);
    } else {
        // What a failed run copied is still good: it goes onto the media too.
        flush.FlushAll(run);
    }
    run::ReportFailure(run);
    SkipMessages(run);
    KeptMessages(run);
    // When nothing was lost before the banner, what was lost since (the
    // summary's own entries, say) is told last.
    run::ReportLogLoss(run);
    return CloseOrTidy(run);
}

}  // namespace brenx::app
