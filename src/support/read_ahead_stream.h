#pragma once

#include <cstdint>
#include <vector>

#include "support/byte_stream.h"

namespace brenx::support {

// Reads another stream in blocks and hands its bytes out in any amounts, so
// that line reading one byte at a time costs one read of the underlying file
// per block. Position() is the position of the bytes handed out, so a caller
// that remembers it (to resume a job list) stands exactly where it thinks.
// For reading only: Write fails. A Seek drops what was read ahead.
class ReadAheadStream : public ByteStream {
  public:
    explicit ReadAheadStream(ByteStream& source, std::int64_t blockSize = 65024);

    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* data, std::int64_t count) override;
    bool Seek(std::int64_t offset) override;
    std::int64_t Position() override;

  private:
    bool Refill();

    ByteStream& source_;
    std::vector<char> block_;
    std::int64_t filled_ = 0;
    std::int64_t next_ = 0;
    // The source's position at the start of the block; -1 until known.
    std::int64_t blockStart_ = -1;
    bool failed_ = false;
};

}  // namespace brenx::support
