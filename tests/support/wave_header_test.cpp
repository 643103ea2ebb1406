#include "support/wave_header.h"

#include <gtest/gtest.h>

#include <string>

namespace brenx::support {
namespace {

std::string Le(unsigned value, int width) {
    std::string bytes;
    for (int i = 0; i < width; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
}

std::string Chunk(const std::string& id, const std::string& body, unsigned declared = 0) {
    return id + Le(declared != 0 ? declared : static_cast<unsigned>(body.size()), 4) + body;
}

std::string Fmt(unsigned tag, unsigned channels, unsigned bits, const std::string& more = "") {
    const unsigned align = channels * bits / 8;
    return Chunk("fmt ", Le(tag, 2) + Le(channels, 2) + Le(8000, 4) + Le(8000 * align, 4) +
                             Le(align, 2) + Le(bits, 2) + more);
}

std::string Wave(const std::string& chunks) {
    return "RIFF" + Le(static_cast<unsigned>(chunks.size() + 4), 4) + "WAVE" + chunks;
}

TEST(ReadWaveHeader, FindsTheSamplesOfAPlayableWaveOnly) {
    const std::string mono = Fmt(1, 1, 16), data = Chunk("data", std::string(10, 'x'));
    // An extensible format whose sub-format is 3: 32-bit floats.
    const std::string floats =
        Fmt(0xFFFE, 2, 32, Le(22, 4) + Le(3, 4) + Le(3, 2) + std::string(14, 0));
    const struct {
        const char* what;
        std::string bytes;
        std::size_t offset, size;  // 0, 0: none
    } cases[] = {
        {"16-bit mono", Wave(mono + data), 44, 10},
        {"after an odd chunk and its pad", Wave(Chunk("LIST", "abc") + '\0' + mono + data), 56, 10},
        {"24-bit: whole frames", Wave(Fmt(1, 1, 24) + data), 44, 9},
        {"extensible floats", Wave(floats + data), 68, 8},
        {"data cut short", Wave(mono + Chunk("data", "abcdefg", 4000)), 44, 6},
        {"empty file", "", 0, 0},
        {"text file", "Not a sound at all, just some words.\n", 0, 0},
        {"header cut short", Wave(mono).substr(0, 30), 0, 0},
        {"no data chunk", Wave(mono), 0, 0},
        {"data before fmt", Wave(data + mono), 0, 0},
        {"compressed", Wave(Fmt(2, 1, 4) + data), 0, 0},
        {"no channels", Wave(Fmt(1, 0, 16) + data), 0, 0},
    };
    for (const auto& c : cases) {
        const WaveReading reading = ReadWaveHeader(c.bytes);
        EXPECT_EQ(reading.sound ? reading.sound->dataOffset : 0, c.offset) << c.what;
        EXPECT_EQ(reading.sound ? reading.sound->dataBytes : 0, c.size) << c.what;
        EXPECT_EQ(*reading.fault == '\0', reading.sound.has_value()) << c.what;
    }
    EXPECT_EQ(ReadWaveHeader(Wave(floats + data)).sound->sampleType, SampleType::Float32);
}

}  // namespace
}  // namespace brenx::support
