#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace brenx::support {

// How the samples of a wave file are stored: the uncompressed kinds a sound
// device takes (24-bit samples are widened to 32 bits by the player).
enum class SampleType { Unsigned8, Signed16, Signed24, Signed32, Float32 };

// The part of a wave file that plays: its sample layout and where its
// samples lie in the file's bytes.
struct WaveSound {
    SampleType sampleType = SampleType::Signed16;
    int channels = 0;
    int sampleRate = 0;
    std::size_t dataOffset = 0;
    // Whole frames only, and only as many as the bytes hold: a file cut
    // short plays what it has.
    std::size_t dataBytes = 0;
};

// A wave file read, or why it cannot be played.
struct WaveReading {
    std::optional<WaveSound> sound;
    const char* fault = "";
};

// Reads a RIFF/WAVE file from its bytes (all of them, or its first part): the
// "fmt " chunk must name uncompressed samples of 8, 16, 24 or 32 bits or
// 32-bit floats, 1 to 8 channels at a rate above 0, and a "data" chunk after
// it must hold at least one whole frame. Anything else (a text file, an empty
// file, a header cut short, a compressed format) has no sound, and the fault
// says why.
WaveReading ReadWaveHeader(std::string_view bytes);

}  // namespace brenx::support
