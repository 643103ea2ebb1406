#pragma once

#include <memory>
#include <string>

#include "platform/file_handle.h"
#include "platform/file_system.h"

namespace brenx::platform {

// A file read whole into memory, behind the FileHandle of a file opened for
// reading. It holds nothing on any medium, so the medium it came from can be
// taken out while it is read (a CRC log on the media it describes). A read
// that failed while the file was taken in fails again where it did, once
// everything before it has been read.
class FileInMemory : public FileHandle {
  public:
    explicit FileInMemory(std::string bytes, HostError failureAtEnd = HostError::None)
        : bytes_(std::move(bytes)), failureAtEnd_(failureAtEnd) {}

    std::int64_t Read(void* buffer, std::int64_t count) override;
    // A copy is not written to: AccessDenied.
    std::int64_t Write(const void* data, std::int64_t count) override;
    bool Seek(std::int64_t offset) override;
    std::int64_t Position() override;
    std::int64_t Size() override;
    std::int64_t SeekToEnd() override;
    DosDateTime GetDate() override;
    bool SetDate(DosDateTime date) override;
    bool Flush() override;
    bool DropCachedPages() override;
    bool Close() override;

  private:
    std::string bytes_;
    HostError failureAtEnd_;
    std::int64_t position_ = 0;
    bool closed_ = false;
};

// Opens the file, reads it whole and closes it before returning; null (with
// the reason in the file system's LastError) when it cannot be opened.
std::unique_ptr<FileHandle> ReadWholeFile(FileSystem& fileSystem, const std::string& path);

}  // namespace brenx::platform
