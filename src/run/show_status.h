#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace brenx::run {

class RunState;

// The dash of the status lines ("#%s — %s ..."), an em dash in UTF-8.
inline constexpr const char* kStatusDash = "\xE2\x80\x94";

// Rewrites the status lines and shows them.
void ShowStatus(RunState& run, std::string text);
void ShowStatusLines(RunState& run, std::initializer_list<std::string_view> lines);
// The same, each line given as its pieces (StatusMemo::SetLinePieces).
void ShowStatusPieces(RunState& run,
                      std::initializer_list<std::initializer_list<std::string_view>> lines);

}  // namespace brenx::run
