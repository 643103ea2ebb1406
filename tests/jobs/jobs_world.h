#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "options/log_lines.h"
#include "options/option_load.h"
#include "platform/process_starter.h"
#include "run/run_world.h"
#include "support/crc32.h"

namespace brenx::jobs::testing {

using ProbingFileSystem = testkit::KitFileSystem;
using ScriptableStarter = testkit::RecordingProcessStarter;

// The kit's world as a later job of the run finds it.
class JobsWorld : public testkit::World {
  public:
    JobsWorld() {
        // As for a later job of the run: the start question has been put.
        run.flags.askedOnce = true;
    }
};

inline std::uint32_t CrcOf(const std::string& bytes) {
    support::Crc32Register reg;
    support::Crc32Init(reg);
    support::Crc32Update(bytes.data(), bytes.size(), reg);
    support::Crc32Final(reg);
    return reg.value;
}

// A text of the given length whose bytes are not all alike.
inline std::string Pattern(std::size_t length, unsigned seed = 1) {
    std::string text(length, '\0');
    std::uint32_t x = seed;
    for (char& c : text) {
        x = x * 1664525u + 1013904223u;
        c = static_cast<char>(x >> 24);
    }
    return text;
}

// Log text: each line followed by CR LF.
inline std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// The CRC line of a file with this content.
inline std::string CrcLine(const std::string& windowsPath, const std::string& content) {
    return options::CrcLogLine(windowsPath, CrcOf(content));
}

}  // namespace brenx::jobs::testing
