#include "options/line_end_stream.h"

namespace brenx::options {

std::int64_t LineEndStream::Read(void* buffer, std::int64_t count) {
    const std::int64_t got = file_.Read(buffer, count);
    auto* bytes = static_cast<char*>(buffer);
    for (std::int64_t i = 0; i < got; ++i) {
        const char byte = bytes[i];
        if (byte == '\n' && previous_ != '\r') bytes[i] = '\r';
        previous_ = byte;
    }
    return got;
}

bool LineEndStream::Seek(std::int64_t offset) {
    previous_ = '\0';
    if (offset <= 0) return file_.Seek(offset);
    // The byte before the new position decides what a LF right after it means.
    if (!file_.Seek(offset - 1)) return false;
    char before = '\0';
    if (file_.Read(&before, 1) == 1) previous_ = before;
    return file_.Seek(offset);
}

}  // namespace brenx::options
