// Writes the program's default alarm sound: three rising whoops of a siren,
// 16-bit mono PCM wave data, about 1.4 seconds. The alarm plays it over and
// over while a question waits, so it starts and ends in silence (no click at
// the seam) and stays below full scale.
//
//   make_alarm_sound OUTPUT.WAV

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr int kWhoops = 3;
constexpr double kWhoopSeconds = 0.40;
constexpr double kGapSeconds = 0.06;
constexpr double kLowHz = 520.0;
constexpr double kHighHz = 1250.0;
constexpr double kFadeSeconds = 0.012;
constexpr double kLevel = 0.8;

// One whoop: a tone gliding from low to high, with a third harmonic for an
// edge that carries across a room, faded in and out.
void AppendWhoop(std::vector<std::int16_t>& samples) {
    const int count = static_cast<int>(kWhoopSeconds * kRate);
    const int fade = static_cast<int>(kFadeSeconds * kRate);
    double phase = 0.0;
    for (int i = 0; i < count; ++i) {
        const double progress = static_cast<double>(i) / count;
        const double frequency = kLowHz + (kHighHz - kLowHz) * progress * progress;
        phase += 2.0 * std::numbers::pi * frequency / kRate;
        const double tone = 0.8 * std::sin(phase) + 0.2 * std::sin(3.0 * phase);
        const double envelope = std::min(
            {1.0, static_cast<double>(i) / fade, static_cast<double>(count - 1 - i) / fade});
        samples.push_back(static_cast<std::int16_t>(std::lround(kLevel * envelope * tone * 32767)));
    }
}

void AppendSilence(std::vector<std::int16_t>& samples, double seconds) {
    samples.insert(samples.end(), static_cast<std::size_t>(seconds * kRate), 0);
}

void PutLittleEndian(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

bool WriteWave(const char* path, const std::vector<std::int16_t>& samples) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    PutLittleEndian(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    PutLittleEndian(out, 16, 4);         // size of the format chunk
    PutLittleEndian(out, 1, 2);          // PCM
    PutLittleEndian(out, 1, 2);          // mono
    PutLittleEndian(out, kRate, 4);      // samples per second
    PutLittleEndian(out, kRate * 2, 4);  // bytes per second
    PutLittleEndian(out, 2, 2);          // bytes per sample frame
    PutLittleEndian(out, 16, 2);         // bits per sample
    out.write("data", 4);
    PutLittleEndian(out, dataBytes, 4);
    for (std::int16_t sample : samples)
        PutLittleEndian(out, static_cast<std::uint16_t>(sample), 2);
    out.close();
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.WAV\n", argv[0]);
        return 2;
    }
    std::vector<std::int16_t> samples;
    for (int i = 0; i < kWhoops; ++i) {
        AppendWhoop(samples);
        AppendSilence(samples, kGapSeconds);
    }
    if (!WriteWave(argv[1], samples)) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
