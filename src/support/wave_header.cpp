#include "support/wave_header.h"

#include <algorithm>
#include <cstdint>

namespace brenx::support {
namespace {

constexpr std::uint16_t kPcmTag = 1;
constexpr std::uint16_t kFloatTag = 3;
constexpr std::uint16_t kExtensibleTag = 0xFFFE;
constexpr std::size_t kChunkHeader = 8;
constexpr std::size_t kFmtBytes = 16;
// Where an extensible format's sub-format (its real tag) starts.
constexpr std::size_t kSubFormatAt = 24;
constexpr int kMaxChannels = 8;

std::uint32_t Little(std::string_view bytes, std::size_t at, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

struct Format {
    std::uint16_t tag = 0;
    int channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bits = 0;
};

Format ReadFormat(std::string_view chunk) {
    Format format;
    format.tag = static_cast<std::uint16_t>(Little(chunk, 0, 2));
    format.channels = static_cast<int>(Little(chunk, 2, 2));
    format.sampleRate = Little(chunk, 4, 4);
    format.blockAlign = static_cast<std::uint16_t>(Little(chunk, 12, 2));
    format.bits = static_cast<std::uint16_t>(Little(chunk, 14, 2));
    if (format.tag == kExtensibleTag && chunk.size() >= kSubFormatAt + 2) {
        format.tag = static_cast<std::uint16_t>(Little(chunk, kSubFormatAt, 2));
    }
    return format;
}

std::optional<SampleType> TypeOf(const Format& format) {
    if (format.tag == kFloatTag) {
        if (format.bits == 32) return SampleType::Float32;
        return std::nullopt;
    }
    if (format.tag != kPcmTag) return std::nullopt;
    switch (format.bits) {
        case 8:
            return SampleType::Unsigned8;
        case 16:
            return SampleType::Signed16;
        case 24:
            return SampleType::Signed24;
        case 32:
            return SampleType::Signed32;
        default:
            return std::nullopt;
    }
}

// Checks the "fmt " chunk; the fault when it cannot be played.
const char* TakeFormat(std::string_view chunk, WaveSound& sound) {
    if (chunk.size() < kFmtBytes) return "its format chunk is cut short";
    const Format format = ReadFormat(chunk);
    const std::optional<SampleType> type = TypeOf(format);
    if (!type) return "its samples are compressed or of an unplayable size";
    if (format.channels < 1 || format.channels > kMaxChannels) {
        return "it has no channels or more than 8";
    }
    if (format.sampleRate == 0 || format.sampleRate > 1'000'000)
        return "its sample rate is not one";
    if (format.blockAlign != format.channels * (format.bits / 8)) {
        return "its frame size does not match its samples";
    }
    sound.sampleType = *type;
    sound.channels = format.channels;
    sound.sampleRate = static_cast<int>(format.sampleRate);
    return nullptr;
}

std::size_t FrameBytes(const WaveSound& sound) {
    const std::size_t sampleBytes = sound.sampleType == SampleType::Unsigned8  ? 1
                                    : sound.sampleType == SampleType::Signed16 ? 2
                                    : sound.sampleType == SampleType::Signed24 ? 3
                                                                               : 4;
    return sampleBytes * static_cast<std::size_t>(sound.channels);
}

}  // namespace

WaveReading ReadWaveHeader(std::string_view bytes) {
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") {
        return {std::nullopt, "it is not a RIFF/WAVE file"};
    }
    WaveSound sound;
    bool formatSeen = false;
    std::size_t at = 12;
    while (bytes.size() - at >= kChunkHeader) {
        const std::string_view id = bytes.substr(at, 4);
        const std::size_t declared = Little(bytes, at + 4, 4);
        at += kChunkHeader;
        // A chunk that claims more than the file holds is read as far as it goes.
        const std::size_t size = std::min(declared, bytes.size() - at);
        if (id == "fmt ") {
            if (const char* fault = TakeFormat(bytes.substr(at, size), sound))
                return {std::nullopt, fault};
            formatSeen = true;
        } else if (id == "data") {
            if (!formatSeen) return {std::nullopt, "its samples come before their format"};
            sound.dataOffset = at;
            sound.dataBytes = size - size % FrameBytes(sound);
            if (sound.dataBytes == 0) return {std::nullopt, "it holds no samples"};
            return {sound, ""};
        }
        if (declared > bytes.size() - at) break;
        // Chunks start on even offsets.
        at += size + (size % 2);
        at = std::min(at, bytes.size());
    }
    return {std::nullopt, formatSeen ? "it holds no samples" : "it has no format chunk"};
}

}  // namespace brenx::support
