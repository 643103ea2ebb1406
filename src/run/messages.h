#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "options/operator.h"
#include "support/safe_format.h"

namespace brenx::run {

class RunState;

// The four ways the engine speaks to the operator. Each text is formatted
// with SafeFormat, so a bad format shows its fault report instead of failing.
// Information, errors and questions are put on the clipboard as they are
// shown, so the operator can paste them into a note or a search.

// A message line carried inside a CRC log, shown as it is; the clipboard is
// left alone.
void ShowLogMessage(RunState& run, const std::string& text);

void InfoMessage(RunState& run, std::string_view format,
                 std::initializer_list<support::FormatArg> args = {});

void ErrorMessage(RunState& run, std::string_view format,
                  std::initializer_list<support::FormatArg> args = {});

// A yes/no question; true when the operator agreed to what it names. Every
// question sounds the alarm while it waits, except the start question.
bool ConfirmMessage(RunState& run, std::string_view format,
                    std::initializer_list<support::FormatArg> args = {}, bool alarm = true,
                    options::QuestionId id = options::QuestionId::Other);

}  // namespace brenx::run
