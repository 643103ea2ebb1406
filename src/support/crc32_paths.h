#pragma once

#include <cstddef>
#include <cstdint>

// The ways this build can compute a CRC-32 update, for tests and benchmarks.
// Crc32Update picks the fastest one the processor can run, once.
namespace brenx::support {

enum class Crc32Path {
    Table,     // one table lookup per byte
    Slicing,   // sixteen bytes per step over sixteen tables
    Clmul128,  // carry-less multiply folding in 128-bit registers (x86-64)
    Clmul256,  // the same in 256-bit registers (x86-64 with AVX2 and VPCLMULQDQ)
    Clmul512,  // the same in 512-bit registers (x86-64 with AVX-512F and VPCLMULQDQ)
};

inline constexpr Crc32Path kAllCrc32Paths[] = {Crc32Path::Table, Crc32Path::Slicing,
                                               Crc32Path::Clmul128, Crc32Path::Clmul256,
                                               Crc32Path::Clmul512};

// A short name for reports: "table", "slicing", "clmul128", "clmul256",
// "clmul512".
const char* Crc32PathName(Crc32Path path);

// Whether this build and this processor can run the path.
bool Crc32PathAvailable(Crc32Path path);

// The path Crc32Update uses.
Crc32Path Crc32ChosenPath();

// Feeds `count` bytes into a raw register value (no preset, no complement).
// A path this processor cannot run is replaced by the chosen path.
std::uint32_t Crc32UpdateWith(Crc32Path path, std::uint32_t state, const void* buffer,
                              std::size_t count);

}  // namespace brenx::support
