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

std::string Chunk(const std::string& id, const std::string& body, unsigned declared = ~0u) {
    return id + Le(declared == ~0u ? static_cast<unsigned>(body.size()) : declared, 4) + body;
}

std::string Fmt(unsigned tag, unsigned channels, unsigned rate, unsigned bits) {
    const unsigned align = channels * bits / 8;
    return Chunk("fmt ", Le(tag, 2) + Le(channels, 2) + Le(rate, 4) + Le(rate * align, 4) +
                             Le(align, 2) + Le(bits, 2));
}

std::string Riff(const std::string& chunks) {
    return "RIFF" + Le(static_cast<unsigned>(chunks.size() + 4), 4) + "WAVE" + chunks;
}

TEST(ReadWaveHeader, TellsAPlayableWaveFromEverythingElse) {
    const std::string mono16 = Fmt(1, 1, 8000, 16);
    const std::string samples = Chunk("data", std::string(10, '\x40'));
    const std::string extensibleFloat =
        Chunk("fmt ", Fmt(0xFFFE, 2, 44100, 32).substr(8) + Le(22, 2) + Le(32, 2) + Le(3, 4) +
                          Le(3, 2) + std::string(14, '\0'));
    struct Case {
        const char* what;
        std::string bytes;
        std::size_t dataOffset;  // 0: no sound
        std::size_t dataBytes;
    };
    const Case cases[] = {
        {"16-bit mono", Riff(mono16 + samples), 44, 10},
        {"an odd chunk before, padded",
         Riff(Chunk("LIST", "abc") + std::string(1, '\0') + mono16 + samples), 56, 10},
        {"8-bit stereo", Riff(Fmt(1, 2, 22050, 8) + samples), 44, 10},
        {"24-bit: whole frames only", Riff(Fmt(1, 1, 48000, 24) + samples), 44, 9},
        {"float in an extensible format", Riff(extensibleFloat + samples), 68, 8},
        {"data cut short", Riff(mono16 + Chunk("data", "abcdefg", 4000)), 44, 6},
        {"empty file", "", 0, 0},
        {"text file", "This is not a sound at all, just some words.\n", 0, 0},
        {"RIFF but not WAVE", "RIFF" + Le(4, 4) + "AVI " + mono16, 0, 0},
        {"header cut short", Riff(mono16).substr(0, 30), 0, 0},
        {"no data chunk", Riff(mono16), 0, 0},
        {"no whole frame", Riff(Fmt(1, 2, 8000, 16) + Chunk("data", "abc")), 0, 0},
        {"data before fmt", Riff(samples + mono16), 0, 0},
        {"compressed (ADPCM)", Riff(Fmt(2, 1, 8000, 4) + samples), 0, 0},
        {"12-bit samples", Riff(Fmt(1, 1, 8000, 12) + samples), 0, 0},
        {"no channels", Riff(Fmt(1, 0, 8000, 16) + samples), 0, 0},
        {"rate 0", Riff(Fmt(1, 1, 0, 16) + samples), 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const WaveReading reading = ReadWaveHeader(c.bytes);
        ASSERT_EQ(reading.sound.has_value(), c.dataOffset != 0) << reading.fault;
        if (!reading.sound) {
            EXPECT_STRNE(reading.fault, "");
            continue;
        }
        EXPECT_EQ(reading.sound->dataOffset, c.dataOffset);
        EXPECT_EQ(reading.sound->dataBytes, c.dataBytes);
    }
    const WaveSound floats = *ReadWaveHeader(Riff(extensibleFloat + samples)).sound;
    EXPECT_EQ(floats.sampleType, SampleType::Float32);
    EXPECT_EQ(floats.channels, 2);
    EXPECT_EQ(floats.sampleRate, 44100);
}

}  // namespace
}  // namespace brenx::support
