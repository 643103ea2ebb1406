#include "copy/copy_status.h"

#include <string_view>

#include "options/skip_rules.h"
#include "run/media_note.h"
#include "run/run_state.h"
#include "run/show_status.h"
#include "run/status_board.h"
#include "support/number_text.h"
#include "support/safe_format.h"

namespace brenx::copy {
namespace {

constexpr std::string_view kBreak = "\r\n";

// The status line of that index (from 0); empty when there is none.
std::string StatusLine(const std::string& text, int index) {
    std::size_t start = 0;
    for (int i = 0; i < index; ++i) {
        const std::size_t end = text.find(kBreak, start);
        if (end == std::string::npos) return std::string();
        start = end + kBreak.size();
    }
    return text.substr(start, text.find(kBreak, start) - start);
}

}  // namespace

void ShowFileAtHand(run::RunState& run, const std::string& source, const std::string& destination,
                    const std::string& newName) {
    run.Board().SetText(run::BoardText::FileName, newName);
    run::ShowStatusLines(run,
                         {"src: " + source, "dst: " + destination, StatusLine(run.memo.Text(), 2)});
}

std::string CopyProgressLine(run::RunState& run) {
    // The dash is an em dash (U+2014) written in UTF-8, like every text the
    // program shows on this host.
    const run::RunCounters& counters = run.counters;
    return support::SafeFormat(
        std::string("#%s ") + run::kStatusDash + " %s (%s%s %s skips)",
        {support::GroupedNumber(counters.fileCount), support::GroupedNumber(counters.byteCount),
         run::MediaNote(run, "%s; "), support::GroupedNumber(counters.newerSkipped),
         options::NewerRuleLabel(run.Settings(), false)});
}

void ShowCopyProgress(run::RunState& run) {
    const std::string& text = run.memo.Text();
    run::ShowStatusLines(run, {StatusLine(text, 0), StatusLine(text, 1), CopyProgressLine(run)});
}

}  // namespace brenx::copy
