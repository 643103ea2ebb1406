#include "support/text_file.h"

#include "support/utf8.h"

namespace brenx::support {

namespace {

// Longest UTF-8 sequence: past kMaxWrittenText times this many bytes a text
// is too long without counting.
constexpr std::size_t kMaxCharacterBytes = 4;

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The continuation bytes that a lead byte announces; 0 for a byte that
// stands alone (ASCII, or one that cannot start a sequence).
int AnnouncedContinuations(unsigned char byte) {
    if (byte >= 0xC2 && byte <= 0xDF) return 1;
    if (byte >= 0xE0 && byte <= 0xEF) return 2;
    if (byte >= 0xF0 && byte <= 0xF4) return 3;
    return 0;
}

bool FitsWriteLimit(std::string_view text) {
    if (text.size() <= kMaxWrittenText) return true;
    if (text.size() > kMaxWrittenText * kMaxCharacterBytes) return false;
    return Utf8Length(text) <= kMaxWrittenText;
}

}  // namespace

bool ReadTextLine(ByteStream& stream, std::string& line) {
    line.clear();
    std::size_t characters = 0;
    int pending = 0;  // continuation bytes the last character still expects
    while (true) {
        char c;
        if (stream.Read(&c, 1) != 1) return false;
        if (c == '\n') continue;
        if (c == '\r') return true;
        const auto byte = static_cast<unsigned char>(c);
        line += c;
        if (pending > 0 && IsContinuation(byte)) {
            --pending;
        } else {
            // A sequence cut short by this byte ends there; when it was the
            // last character of a full piece, this byte cannot be given back
            // and goes with it.
            if (characters == kMaxLinePiece) return true;
            ++characters;
            pending = AnnouncedContinuations(byte);
        }
        if (characters == kMaxLinePiece && pending == 0) return true;
    }
}

bool ReadSpecLine(ByteStream& stream, std::string& line, bool evarize,
                  const EnvironmentLookup& lookup) {
    const bool read = ReadTextLine(stream, line);
    ExpandIfEvarize(line, evarize, lookup);
    return read;
}

int WriteFormatted(ByteStream& stream, std::string_view format,
                   std::initializer_list<FormatArg> args) {
    return WriteText(stream, SafeFormat(format, args));
}

int WriteText(ByteStream& stream, std::string_view text) {
    if (!FitsWriteLimit(text)) return -1;
    if (text.empty()) return 0;
    const auto size = static_cast<std::int64_t>(text.size());
    return stream.Write(text.data(), size) == size ? static_cast<int>(size) : -1;
}

bool RewindFile(ByteStream& stream) {
    return stream.Seek(0);
}

std::int64_t FilePosition(ByteStream& stream) {
    return stream.Position();
}

}  // namespace brenx::support
