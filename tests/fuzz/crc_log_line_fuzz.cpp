#include <algorithm>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_kit.h"
#include "jobs/verify_line.h"
#include "options/line_end_stream.h"
#include "support/memory_stream.h"
#include "support/read_ahead_stream.h"
#include "support/text_file.h"

// A CRC log as verify reads it: lines of any length ended by CR, LF or CR LF,
// each taken apart into a CRC line, a message line, a damaged line or other
// text.
namespace {

using brenx::jobs::VerifyLine;

std::size_t Bars(std::string_view line) {
    return static_cast<std::size_t>(std::count(line.begin(), line.end(), '|'));
}

void CheckParsed(const std::string& line) {
    const VerifyLine parsed = brenx::jobs::ParseVerifyLine(line);
    switch (parsed.kind) {
        case VerifyLine::Kind::Other:
            BRENX_FUZZ_CHECK(line.empty() || line[0] != '|');
            break;
        case VerifyLine::Kind::Message:
            BRENX_FUZZ_CHECK(line.starts_with("|:") && parsed.text == line.substr(2));
            break;
        case VerifyLine::Kind::MissingBar:
            BRENX_FUZZ_CHECK(line[0] == '|' && Bars(line) == 1);
            break;
        case VerifyLine::Kind::RunTogether:
            BRENX_FUZZ_CHECK(line[0] == '|' && !line.starts_with("|:") && Bars(line) > 2);
            break;
        case VerifyLine::Kind::Crc:
            // A checked file's line holds its name between the only two bars.
            BRENX_FUZZ_CHECK(Bars(line) == 2 && !line.starts_with("|:"));
            BRENX_FUZZ_CHECK(line.starts_with("|" + parsed.text + "|"));
            break;
    }
}

// Every byte that is no line end reaches a line, up to the bytes kept.
void ReadLog(const std::string& data, std::int64_t blockSize, std::size_t keep) {
    brenx::support::MemoryStream file(data);
    brenx::support::ReadAheadStream readAhead(file, blockSize);
    brenx::options::LineEndStream stream(readAhead);
    std::string line;
    std::string all;
    std::size_t lines = 0;
    for (;;) {
        const bool ended = brenx::support::ReadWholeLine(stream, line, keep);
        BRENX_FUZZ_CHECK(line.size() <= keep);
        BRENX_FUZZ_CHECK(++lines <= data.size() + 1);
        CheckParsed(line);
        all += line;
        if (!ended) break;
    }
    if (keep >= data.size()) {
        std::string expected = data;
        std::erase_if(expected, [](char c) { return c == '\r' || c == '\n'; });
        BRENX_FUZZ_CHECK(all == expected);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    ReadLog(bytes, 1 + data[0] % 32, bytes.size());
    ReadLog(bytes, 4096, 1 + data[0] % 48);
    return 0;
}
