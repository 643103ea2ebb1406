#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <utility>

#include "support/byte_stream.h"

namespace brenx::support {

// A ByteStream over a byte string, for tests. It behaves like a file: reads
// stop at the end, writes overwrite or extend at the position, a seek past
// the end is allowed and a later write fills the gap with zero bytes. It can
// be told to fail, so that the failure paths of its users can be exercised.
class MemoryStream : public ByteStream {
  public:
    MemoryStream() = default;
    explicit MemoryStream(std::string bytes) : bytes_(std::move(bytes)) {}

    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* data, std::int64_t count) override;
    bool Seek(std::int64_t offset) override;
    std::int64_t Position() override;

    const std::string& Bytes() const { return bytes_; }

    // Reads that start at or after `offset` fail; a read that would cross it
    // stops short of it.
    void FailReadsFrom(std::int64_t offset) { failReadsFrom_ = offset; }
    // Accepts only `bytes` more bytes; writes after that are short (a write
    // that crosses the limit writes up to it, later ones write nothing).
    void LimitWrites(std::int64_t bytes) { writeAllowance_ = bytes; }
    // Every write fails with -1.
    void FailWrites() { failWrites_ = true; }
    // Seek fails and Position reports -1.
    void FailPositioning() { failPositioning_ = true; }

  private:
    static constexpr std::int64_t kNoLimit = std::numeric_limits<std::int64_t>::max();

    std::string bytes_;
    std::int64_t position_ = 0;
    std::int64_t failReadsFrom_ = kNoLimit;
    std::int64_t writeAllowance_ = kNoLimit;
    bool failWrites_ = false;
    bool failPositioning_ = false;
};

}  // namespace brenx::support
