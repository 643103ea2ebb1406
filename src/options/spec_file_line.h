#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The pieces of a job-list ("@" spec file) line that need no file: the flag
// letters after the bar and the destination a job's source maps to.
namespace brenx::options {

// Flag bits of the letters after "|".
inline constexpr std::uint8_t kSpecBadLetter = 1;
inline constexpr std::uint8_t kSpecRecurse = 2;          // s
inline constexpr std::uint8_t kSpecArchiveOnly = 4;      // a
inline constexpr std::uint8_t kSpecDestination = 8;      // d
inline constexpr std::uint8_t kSpecDestinationKey = 16;  // k
inline constexpr std::uint8_t kSpecSourceKey = 32;       // x

// The flags after reading the letters over `start`: a letter sets its bit, a
// letter followed by "-" clears it; any other character (a blank too) sets the
// bad-letter bit, and a "-" after it goes with it.
std::uint8_t ParseSpecLetters(std::string_view letters, std::uint8_t start);

// The destination of a job whose source is `path`, under the destination base
// `base` (given without its trailing backslash):
// - a network path \\server\share\rest maps by `networkStyle`: full
//   (base\server\share\rest), two (base\share\rest; full when the path has no
//   backslash after the server) or rest (base\rest; base followed by the whole
//   path when the share is not followed by a backslash);
// - a drive path X:\rest maps to base\rest, or base\X\rest with `driveDirectory`;
// - any other path is put under the base, with a backslash between them when
//   the path does not begin with one.
std::string MapSpecDestination(std::string_view base, std::string_view path,
                               std::uint8_t networkStyle, bool driveDirectory);

}  // namespace brenx::options
