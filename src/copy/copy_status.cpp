#include "copy/copy_status.h"

#include "options/skip_rules.h"
#include "run/media_note.h"
#include "run/run_state.h"
#include "run/show_status.h"
#include "run/status_board.h"
#include "support/number_text.h"

namespace brenx::copy {

void ShowFileAtHand(run::RunState& run, const std::string& source, const std::string& directory,
                    const std::string& newName) {
    run.Board().SetText(run::BoardText::FileName, newName);
    run::ShowStatusPieces(run,
                          {{"src: ", source}, {"dst: ", directory, newName}, {run.memo.Line(2)}});
}

// Made for every file copied, so without a format.
std::string CopyProgressLine(run::RunState& run) {
    // The dash is an em dash (U+2014) written in UTF-8, like every text the
    // program shows on this host.
    const run::RunCounters& counters = run.counters;
    std::string line;
    line.reserve(96);
    line += '#';
    support::AppendGroupedNumber(line, counters.fileCount);
    line += ' ';
    line += run::kStatusDash;
    line += ' ';
    support::AppendGroupedNumber(line, counters.byteCount);
    line += " (";
    line += run::MediaNote(run, "%s; ");
    support::AppendGroupedNumber(line, counters.newerSkipped);
    line += ' ';
    line += options::NewerRuleLabel(run.Settings(), false);
    line += " skips)";
    return line;
}

void ShowCopyProgress(run::RunState& run) {
    const std::string progress = CopyProgressLine(run);
    run::ShowStatusLines(run, {run.memo.Line(0), run.memo.Line(1), progress});
}

}  // namespace brenx::copy
