#include "run/show_status.h"

#include "run/run_state.h"
#include "run/status_board.h"

namespace brenx::run {

void ShowStatus(RunState& run, std::string text) {
    run.memo.SetText(std::move(text));
    run.Board().SetText(BoardText::Status, run.memo.Text());
}

void ShowStatusLines(RunState& run, std::initializer_list<std::string_view> lines) {
    run.memo.SetLines(lines);
    run.Board().SetText(BoardText::Status, run.memo.Text());
}

void ShowStatusPieces(RunState& run,
                      std::initializer_list<std::initializer_list<std::string_view>> lines) {
    run.memo.SetLinePieces(lines);
    run.Board().SetText(BoardText::Status, run.memo.Text());
}

}  // namespace brenx::run
