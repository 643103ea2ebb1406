#include "support/text_file.h"

#include <array>

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

// Reads one piece of a line. Characters are counted as Utf8Length counts
// them: a whole sequence is one character, and each byte of a sequence cut
// short is one. Whether a sequence is whole shows only at the byte after its
// lead, so a piece that a cut sequence takes past kMaxLinePiece characters
// is cut back to that many, and the bytes after them are given back to the
// stream for the next piece.
class PieceReader {
  public:
    PieceReader(ByteStream& stream, std::string& line) : stream_(stream), line_(line) {}

    bool Read() {
        for (;;) {
            char c;
            if (stream_.Read(&c, 1) != 1) return CloseSequence() && GiveBackOverflow();
            ++consumed_;
            if (c == '\n') continue;
            if (c == '\r') {
                if (CloseSequence()) GiveBackOverflow();
                return true;
            }
            if (Take(static_cast<unsigned char>(c))) return true;
        }
    }

  private:
    // Adds a byte; true when the piece is full.
    bool Take(unsigned char byte) {
        line_ += static_cast<char>(byte);
        if (missing_ > 0) Remember();
        if (missing_ > 0 && IsContinuation(byte)) {
            if (--missing_ > 0) return false;
            ++characters_;
            return characters_ == kMaxLinePiece;
        }
        if (missing_ > 0) {
            // Cut short by this byte: each byte before it is one character.
            characters_ += line_.size() - 1 - sequenceStart_;
            missing_ = 0;
            if (characters_ >= kMaxLinePiece) return GiveBackOverflow();
        }
        missing_ = AnnouncedContinuations(byte);
        if (missing_ > 0) {
            sequenceStart_ = line_.size() - 1;
            remembered_ = 0;
            Remember();
            return false;
        }
        return ++characters_ == kMaxLinePiece;
    }

    // Ends a sequence left open by the line's end or the stream's; true when
    // that took the piece past its size (the overflow is still to be given
    // back).
    bool CloseSequence() {
        if (missing_ == 0) return false;
        characters_ += line_.size() - sequenceStart_;
        missing_ = 0;
        return characters_ > kMaxLinePiece;
    }

    // The stream bytes consumed up to each byte of the open sequence (and
    // the one that cuts it short), to know where to give back from.
    void Remember() {
        if (remembered_ < consumedAfter_.size()) consumedAfter_[remembered_++] = consumed_;
    }

    // Cuts the line back to kMaxLinePiece characters and moves the stream
    // back to just after them. True (a full piece). When the stream cannot
    // move back, the line stays whole rather than lose bytes.
    bool GiveBackOverflow() {
        const std::size_t keep = Utf8PrefixBytes(line_, kMaxLinePiece);
        if (keep >= line_.size()) return true;
        const std::size_t kept = keep - 1 - sequenceStart_;
        const std::int64_t back = consumed_ - consumedAfter_[kept];
        const std::int64_t position = stream_.Position();
        if (position < back || !stream_.Seek(position - back)) return true;
        line_.resize(keep);
        return true;
    }

    ByteStream& stream_;
    std::string& line_;
    std::size_t characters_ = 0;  // whole characters before an open sequence
    std::int64_t consumed_ = 0;   // bytes taken from the stream
    int missing_ = 0;             // continuation bytes the open sequence still expects
    std::size_t sequenceStart_ = 0;
    std::array<std::int64_t, 5> consumedAfter_{};
    std::size_t remembered_ = 0;
};

bool FitsWriteLimit(std::string_view text) {
    if (text.size() <= kMaxWrittenText) return true;
    if (text.size() > kMaxWrittenText * kMaxCharacterBytes) return false;
    return Utf8Length(text) <= kMaxWrittenText;
}

}  // namespace

bool ReadTextLine(ByteStream& stream, std::string& line) {
    line.clear();
    return PieceReader(stream, line).Read();
}

bool ReadWholeLine(ByteStream& stream, std::string& line, std::size_t keepBytes) {
    line.clear();
    for (;;) {
        char c;
        if (stream.Read(&c, 1) != 1) return false;
        if (c == '\r') return true;
        if (c != '\n' && line.size() < keepBytes) line += c;
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
