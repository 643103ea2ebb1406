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

std::string FmtBody(unsigned tag, unsigned channels, unsigned rate, unsigned bits) {
    const unsigned align = channels * bits / 8;
    return Le(tag, 2) + Le(channels, 2) + Le(rate, 4) + Le(rate * align, 4) + Le(align, 2) +
           Le(bits, 2);
}

std::string Wave(const std::string& chunks) {
    return "RIFF" + Le(static_cast<unsigned>(chunks.size() + 4), 4) + "WAVE" + chunks;
}

TEST(ReadWaveHeader, TellsAPlayableWaveFromEverythingElse) {
    const std::string mono = Chunk("fmt ", FmtBody(1, 1, 8000, 16));
    const std::string data = Chunk("data", std::string(10, '\x40'));
    // An extensible format whose sub-format is 3: floats.
    const std::string floats = Chunk("fmt ", FmtBody(0xFFFE, 2, 44100, 32) + Le(22, 2) + Le(32, 2) +
                                                 Le(3, 4) + Le(3, 2) + std::string(14, '\0'));
    const struct {
        const char* what;
        std::string bytes;
        std::size_t offset, size;  // 0, 0: no sound
    } cases[] = {
        {"16-bit mono", Wave(mono + data), 44, 10},
        {"after an odd chunk and its pad", Wave(Chunk("LIST", "abc") + '\0' + mono + data), 56, 10},
        {"8-bit stereo", Wave(Chunk("fmt ", FmtBody(1, 2, 22050, 8)) + data), 44, 10},
        {"24-bit: whole frames", Wave(Chunk("fmt ", FmtBody(1, 1, 48000, 24)) + data), 44, 9},
        {"extensible floats", Wave(floats + data), 68, 8},
        {"data cut short", Wave(mono + Chunk("data", "abcdefg", 4000)), 44, 6},
        {"empty file", "", 0, 0},
        {"text file", "Not a sound at all, just some words.\n", 0, 0},
        {"RIFF but AVI", "RIFF" + Le(4, 4) + "AVI " + mono + data, 0, 0},
        {"header cut short", Wave(mono).substr(0, 30), 0, 0},
        {"no data chunk", Wave(mono), 0, 0},
        {"not one frame", Wave(Chunk("fmt ", FmtBody(1, 2, 8000, 16)) + Chunk("data", "abc")), 0,
         0},
        {"data before fmt", Wave(data + mono), 0, 0},
        {"ADPCM", Wave(Chunk("fmt ", FmtBody(2, 1, 8000, 4)) + data), 0, 0},
        {"12-bit", Wave(Chunk("fmt ", FmtBody(1, 1, 8000, 12)) + data), 0, 0},
        {"no channels", Wave(Chunk("fmt ", FmtBody(1, 0, 8000, 16)) + data), 0, 0},
        {"rate 0", Wave(Chunk("fmt ", FmtBody(1, 1, 0, 16)) + data), 0, 0},
    };
    for (const auto& c : cases) {
        const WaveReading reading = ReadWaveHeader(c.bytes);
        ASSERT_EQ(reading.sound.has_value(), c.size != 0) << c.what << ": " << reading.fault;
        EXPECT_EQ(reading.sound ? reading.sound->dataOffset : 0, c.offset) << c.what;
        EXPECT_EQ(reading.sound ? reading.sound->dataBytes : 0, c.size) << c.what;
        EXPECT_NE(*reading.fault == '\0', !reading.sound) << c.what;
    }
    const WaveSound sound = *ReadWaveHeader(Wave(floats + data)).sound;
    EXPECT_EQ(sound.sampleType, SampleType::Float32);
    EXPECT_EQ(sound.channels, 2);
    EXPECT_EQ(sound.sampleRate, 44100);
}

}  // namespace
}  // namespace brenx::support
