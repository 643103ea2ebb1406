#pragma once

#include <cstddef>
#include <cstdint>

// CRC-32 as used by zip and zlib: reflected polynomial 0xEDB88320, register
// preset to all ones, final complement. Every copied and verified file goes
// through one register; the byte total travels with it so that no global
// counter is needed.
namespace brenx::support {

struct Crc32Register {
    std::uint32_t value = 0;
    std::uint64_t byteTotal = 0;  // bytes fed since the last Crc32Init
};

// Starts a computation: value 0xFFFFFFFF, byte total 0.
void Crc32Init(Crc32Register& reg);

// Feeds the first `count` bytes of the buffer and adds `count` to the total.
// A count of 0 (or a null buffer) changes nothing.
void Crc32Update(const void* buffer, std::size_t count, Crc32Register& reg);

// Completes the computation: the value then holds the CRC-32.
void Crc32Final(Crc32Register& reg);

}  // namespace brenx::support
