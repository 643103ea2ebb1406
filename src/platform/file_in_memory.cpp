#include "platform/file_in_memory.h"

#include <algorithm>
#include <cstring>

namespace brenx::platform {

std::int64_t FileInMemory::Read(void* buffer, std::int64_t count) {
    if (closed_ || count < 0) {
        SetLastError(HostError::InvalidArgument);
        return -1;
    }
    const auto size = static_cast<std::int64_t>(bytes_.size());
    if (position_ >= size && failureAtEnd_ != HostError::None) {
        SetLastError(failureAtEnd_);
        return -1;
    }
    const std::int64_t n = std::clamp<std::int64_t>(size - position_, 0, count);
    if (n > 0) std::memcpy(buffer, bytes_.data() + position_, static_cast<std::size_t>(n));
    position_ += n;
    SetLastError(HostError::None);
    return n;
}

std::int64_t FileInMemory::Write(const void*, std::int64_t) {
    SetLastError(HostError::AccessDenied);
    return -1;
}

bool FileInMemory::Seek(std::int64_t offset) {
    if (closed_ || offset < 0) {
        SetLastError(HostError::InvalidArgument);
        return false;
    }
    position_ = offset;
    SetLastError(HostError::None);
    return true;
}

std::int64_t FileInMemory::Position() {
    SetLastError(HostError::None);
    return position_;
}

std::int64_t FileInMemory::Size() {
    SetLastError(HostError::None);
    return static_cast<std::int64_t>(bytes_.size());
}

std::int64_t FileInMemory::SeekToEnd() {
    position_ = static_cast<std::int64_t>(bytes_.size());
    SetLastError(HostError::None);
    return position_;
}

DosDateTime FileInMemory::GetDate() {
    SetLastError(HostError::NotSupported);
    return kNoDosDateTime;
}

bool FileInMemory::SetDate(DosDateTime) {
    SetLastError(HostError::AccessDenied);
    return false;
}

bool FileInMemory::Flush() {
    SetLastError(HostError::None);
    return true;
}

bool FileInMemory::DropCachedPages() {
    SetLastError(HostError::None);
    return true;
}

bool FileInMemory::Close() {
    closed_ = true;
    SetLastError(HostError::None);
    return true;
}

std::unique_ptr<FileHandle> ReadWholeFile(FileSystem& fileSystem, const std::string& path) {
    std::unique_ptr<FileHandle> file =
        fileSystem.Open(path, Access::Read, Disposition::OpenExisting);
    if (!file) return nullptr;
    std::string bytes;
    constexpr std::int64_t kBlock = 1 << 16;
    HostError failure = HostError::None;
    for (;;) {
        const std::size_t at = bytes.size();
        bytes.resize(at + kBlock);
        const std::int64_t n = file->Read(bytes.data() + at, kBlock);
        bytes.resize(at + static_cast<std::size_t>(std::max<std::int64_t>(n, 0)));
        if (n < 0) failure = file->LastError();
        if (n < kBlock) break;
    }
    file->Close();
    return std::make_unique<FileInMemory>(std::move(bytes), failure);
}

}  // namespace brenx::platform
