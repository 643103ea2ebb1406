#pragma once

#include <initializer_list>
#include <string>

namespace brenx::run {

class RunState;

// The dash of the status lines ("#%s — %s ..."), an em dash in UTF-8.
inline constexpr const char* kStatusDash = "\xE2\x80\x94";

// Rewrites the status lines and shows them.
void ShowStatus(RunState& run, std::string text);
void ShowStatusLines(RunState& run, std::initializer_list<std::string> lines);

}  // namespace brenx::run
