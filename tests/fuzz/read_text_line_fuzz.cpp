#include <cstdint>
#include <string>

#include "fuzz/fuzz_kit.h"
#include "options/line_end_stream.h"
#include "support/memory_stream.h"
#include "support/read_ahead_stream.h"
#include "support/text_file.h"
#include "support/utf8.h"

// The line reader over any bytes: straight from the file, and through the
// read-ahead block and the line-end rewriting that the job-list reader uses.
namespace {

using brenx::support::kMaxLinePiece;
using brenx::support::Utf8Length;

std::string WithoutLineEnds(std::string_view bytes) {
    std::string kept;
    for (char c : bytes) {
        if (c != '\r' && c != '\n') kept += c;
    }
    return kept;
}

// Straight from the file: a piece that ends short of a CR is full (exactly
// 401 characters), and the pieces of one line never split a character.
void ReadDirectly(const std::string& data) {
    brenx::support::MemoryStream file(data);
    std::string line;
    std::string all;
    std::string sameLine;  // the pieces so far of the line being read
    std::size_t sameLineCharacters = 0;
    for (std::size_t calls = 0;; ++calls) {
        BRENX_FUZZ_CHECK(calls <= data.size() + 1);
        const bool more = brenx::support::ReadTextLine(file, line);
        const std::size_t characters = Utf8Length(line);
        BRENX_FUZZ_CHECK(characters <= kMaxLinePiece);
        all += line;
        sameLine += line;
        sameLineCharacters += characters;
        BRENX_FUZZ_CHECK(Utf8Length(sameLine) == sameLineCharacters);
        if (!more) break;
        const std::int64_t at = brenx::support::FilePosition(file);
        BRENX_FUZZ_CHECK(at > 0);
        if (data[static_cast<std::size_t>(at - 1)] == '\r') {
            sameLine.clear();
            sameLineCharacters = 0;
        } else {
            BRENX_FUZZ_CHECK(characters == kMaxLinePiece);
        }
    }
    BRENX_FUZZ_CHECK(all == WithoutLineEnds(data));
}

void ReadThroughLayers(const std::string& data, std::int64_t blockSize) {
    brenx::support::MemoryStream file(data);
    brenx::support::ReadAheadStream readAhead(file, blockSize);
    brenx::options::LineEndStream stream(readAhead);
    std::string line;
    std::string all;
    for (std::size_t calls = 0;; ++calls) {
        BRENX_FUZZ_CHECK(calls <= data.size() + 1);
        const bool more = brenx::support::ReadTextLine(stream, line);
        BRENX_FUZZ_CHECK(Utf8Length(line) <= kMaxLinePiece);
        all += line;
        if (!more) break;
    }
    BRENX_FUZZ_CHECK(all == WithoutLineEnds(data));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    ReadDirectly(bytes);
    ReadThroughLayers(bytes, 1 + data[0] % 64);
    return 0;
}
