#include "support/memory_stream.h"

#include <algorithm>
#include <cstring>

namespace brenx::support {

std::int64_t MemoryStream::Read(void* buffer, std::int64_t count) {
    if (count < 0 || (count > 0 && buffer == nullptr)) return -1;
    if (count == 0) return 0;
    if (position_ >= failReadsFrom_) return -1;
    const auto size = static_cast<std::int64_t>(bytes_.size());
    const std::int64_t available = std::min(size, failReadsFrom_) - position_;
    const std::int64_t n = std::clamp<std::int64_t>(available, 0, count);
    if (n > 0) std::memcpy(buffer, bytes_.data() + position_, static_cast<std::size_t>(n));
    position_ += n;
    return n;
}

std::int64_t MemoryStream::Write(const void* data, std::int64_t count) {
    if (failWrites_ || count < 0 || (count > 0 && data == nullptr)) return -1;
    const std::int64_t n = std::min(count, writeAllowance_);
    if (n <= 0) return 0;
    writeAllowance_ -= n;
    const auto end = static_cast<std::size_t>(position_ + n);
    if (bytes_.size() < end) bytes_.resize(end, '\0');
    std::memcpy(bytes_.data() + position_, data, static_cast<std::size_t>(n));
    position_ += n;
    return n;
}

bool MemoryStream::Seek(std::int64_t offset) {
    if (failPositioning_ || offset < 0) return false;
    position_ = offset;
    return true;
}

std::int64_t MemoryStream::Position() {
    return failPositioning_ ? -1 : position_;
}

}  // namespace brenx::support
