#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "support/byte_stream.h"
#include "support/environment_references.h"
#include "support/safe_format.h"

// Line-by-line reading and length-limited writing of text files over an
// already open stream; these routines never open, close or buffer it.
// Lengths count characters (UTF-8; a malformed byte counts as one), so that
// a line of non-ASCII names is cut where a line of ASCII names of the same
// length would be, and a piece never ends inside a character.
namespace brenx::support {

// The most characters ReadTextLine returns in one piece.
inline constexpr std::size_t kMaxLinePiece = 401;
// The most characters WriteFormatted and WriteText write in one call.
inline constexpr std::size_t kMaxWrittenText = 2000;

// Reads the next line, one byte at a time, so that the stream stands exactly
// after what was consumed. Line feeds are skipped; a carriage return ends the
// line (true). A longer line is returned in pieces: as soon as the line holds
// kMaxLinePiece characters it is returned (true) and the next call goes on
// from there. Characters count as Utf8Length counts them; when a sequence cut
// short takes a piece past its size, the stream is moved back to just after
// the piece's last character. At the end of the stream or on a failed read
// the result is false, with the characters read before it left in the line.
bool ReadTextLine(ByteStream& stream, std::string& line);

// Reads the next line whole, whatever its length: line feeds are skipped and
// a carriage return ends the line (true); false at the end of the stream or
// on a failed read, with what came before it left in the line. Only the first
// `keepBytes` bytes of a line are kept (the rest is read and dropped), so
// that a file without line ends cannot fill the memory.
bool ReadWholeLine(ByteStream& stream, std::string& line, std::size_t keepBytes);

// ReadTextLine, then the line's environment references expanded when
// `evarize` is on (also for the characters left by a false result).
bool ReadSpecLine(ByteStream& stream, std::string& line, bool evarize,
                  const EnvironmentLookup& lookup);

// Formats with SafeFormat and writes the text (no line end is added). Returns
// the number of bytes written; -1 when the text holds more than
// kMaxWrittenText characters (then nothing is written) or when the write
// failed or was short.
int WriteFormatted(ByteStream& stream, std::string_view format,
                   std::initializer_list<FormatArg> args = {});
// Writes the text as it is, under the same rule and with the same result.
int WriteText(ByteStream& stream, std::string_view text);

// Moves to the start of the stream; false when that fails.
bool RewindFile(ByteStream& stream);

// The current offset in the stream, -1 when it cannot be told.
std::int64_t FilePosition(ByteStream& stream);

}  // namespace brenx::support
