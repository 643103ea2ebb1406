#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Small text routines used by the option, spec-file and log readers.
// Positions count from 1 and are byte positions in the string; 0 means
// "not found" or "no position". Routines that change their argument take it
// by reference; all others return a new value.
namespace brenx::support {

// Routines that keep the rest of a text after a position keep at most this
// many characters of it (never splitting a multi-byte character).
inline constexpr std::size_t kMaxKeptRest = 5000;

// The rest of `text` from byte index `from` on, at most kMaxKeptRest characters.
std::string KeepRest(std::string_view text, std::size_t from);

// The byte at the position (from 1); '\0' when the position is 0 or beyond the text.
char CharAt(std::string_view text, std::size_t position);

// The last character (a whole UTF-8 sequence) as a string; empty for an empty text.
std::string LastCharText(std::string_view text);

// The position of the first occurrence of the pattern at or after `start`,
// looking only at the 255 characters from `start` on (the occurrence must lie
// wholly inside them). A start of 0 counts as 1. 0 when not found there, when
// the pattern is empty, or when start lies beyond the text.
std::size_t PosFrom(std::string_view pattern, std::size_t start, std::string_view text);

// The position of the first occurrence of the key in the text, ASCII letters
// compared without regard to case (other bytes exactly); 0 when absent or
// when the key is empty.
std::size_t KeyPosition(std::string_view key, std::string_view text);

// True for A to Z and a to z only.
bool IsAsciiLetter(char c);

// Removes the spaces (32 only) before the first other character; a text of
// spaces only is left as it is. True when the text is empty afterwards.
bool TrimLeadingSpaces(std::string& text);

// Cuts the text at its first ";" together with the spaces and semicolons just
// before it; a text without ";" is left as it is.
void StripComment(std::string& line);

// StripComment, then TrimLeadingSpaces; true when something is left.
bool CleanSpecLine(std::string& line);

// Removes a double quote at each end when both ends have one; a lone double
// quote becomes empty.
void Unquote(std::string& text);

// Wraps a non-empty text in double quotes unless it already starts or ends
// with one.
void Quote(std::string& text);

}  // namespace brenx::support
