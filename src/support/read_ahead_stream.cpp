#include "support/read_ahead_stream.h"

#include <algorithm>
#include <cstring>

namespace brenx::support {

ReadAheadStream::ReadAheadStream(ByteStream& source, std::int64_t blockSize)
    : source_(source), block_(static_cast<std::size_t>(std::max<std::int64_t>(blockSize, 1))) {}

bool ReadAheadStream::Refill() {
    if (failed_) return false;
    const std::int64_t start = source_.Position();
    const std::int64_t n = source_.Read(block_.data(), static_cast<std::int64_t>(block_.size()));
    if (n < 0) {
        // Hand out what came before the failure, then report it once.
        failed_ = true;
        return false;
    }
    blockStart_ = start;
    filled_ = n;
    next_ = 0;
    return n > 0;
}

std::int64_t ReadAheadStream::Read(void* buffer, std::int64_t count) {
    if (count < 0) return -1;
    auto* out = static_cast<char*>(buffer);
    std::int64_t done = 0;
    while (done < count) {
        if (next_ == filled_ && !Refill()) break;
        const std::int64_t take = std::min(count - done, filled_ - next_);
        std::memcpy(out + done, block_.data() + next_, static_cast<std::size_t>(take));
        next_ += take;
        done += take;
    }
    if (done == 0 && failed_) {
        failed_ = false;  // a later read may try the source again
        return -1;
    }
    return done;
}

std::int64_t ReadAheadStream::Write(const void*, std::int64_t) {
    return -1;
}

bool ReadAheadStream::Seek(std::int64_t offset) {
    filled_ = next_ = 0;
    blockStart_ = -1;
    failed_ = false;
    return source_.Seek(offset);
}

std::int64_t ReadAheadStream::Position() {
    if (blockStart_ < 0) return source_.Position();
    return blockStart_ + next_;
}

}  // namespace brenx::support
