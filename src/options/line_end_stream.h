#pragma once

#include <cstdint>

#include "support/byte_stream.h"

namespace brenx::options {

// Reads a hand-written text file so that the program's line reader, which
// ends lines at CR and skips LF, also ends them at a bare LF: a LF that does
// not follow a CR reads as a CR. CR LF and CR stay as they are. Bytes map one
// to one, so positions stay those of the file. Read-only.
class LineEndStream : public support::ByteStream {
  public:
    explicit LineEndStream(support::ByteStream& file) : file_(file) {}

    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void*, std::int64_t) override { return -1; }
    bool Seek(std::int64_t offset) override;
    std::int64_t Position() override { return file_.Position(); }

  private:
    support::ByteStream& file_;
    char previous_ = '\0';
};

}  // namespace brenx::options
