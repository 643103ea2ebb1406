#pragma once

#include <cstdint>

namespace brenx::support {

// The bytes of an already open file, as the text-file routines see them.
// The host layer's file handles implement it; tests use MemoryStream.
// No member throws: failures are reported by the result.
class ByteStream {
  public:
    virtual ~ByteStream() = default;

    // Reads up to `count` bytes: the number read, 0 at the end, -1 on failure.
    virtual std::int64_t Read(void* buffer, std::int64_t count) = 0;
    // Writes `count` bytes: the number written (fewer on a short write), -1 on failure.
    virtual std::int64_t Write(const void* data, std::int64_t count) = 0;
    // Moves to an absolute offset from the start; false on failure.
    virtual bool Seek(std::int64_t offset) = 0;
    // The current offset from the start, -1 on failure.
    virtual std::int64_t Position() = 0;
};

}  // namespace brenx::support
