#pragma once

#ifdef _WIN32
#include "platform/win32/windows_api.h"
#else
#include <unistd.h>
#endif

#include <string_view>

namespace brenx::testkit {

// An anonymous pipe of the host: what is put in comes out at its read end,
// which ends once the writer is closed. Its ends are what the host's terminal
// takes (descriptors or handles).
class HostPipe {
  public:
#ifdef _WIN32
    using End = void*;
    static constexpr End kNoEnd = nullptr;
#else
    using End = int;
    static constexpr End kNoEnd = -1;
#endif

    HostPipe();
    ~HostPipe() {
        CloseEnd(write_);
        CloseEnd(read_);
    }
    HostPipe(const HostPipe&) = delete;
    HostPipe& operator=(const HostPipe&) = delete;

    End Reader() const {
        return read_;
    }
    End Writer() const {
        return write_;
    }
    bool Put(std::string_view bytes);
    void CloseWriter() {
        CloseEnd(write_);
    }
    void CloseReader() {
        CloseEnd(read_);
    }

  private:
    static void CloseEnd(End& end);

    End read_ = kNoEnd;
    End write_ = kNoEnd;
};

#ifdef _WIN32
inline HostPipe::HostPipe() {
    if (!CreatePipe(&read_, &write_, nullptr, 0)) read_ = write_ = kNoEnd;
}
inline bool HostPipe::Put(std::string_view bytes) {
    DWORD written = 0;
    return WriteFile(write_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}
inline void HostPipe::CloseEnd(End& end) {
    if (end != kNoEnd) CloseHandle(end);
    end = kNoEnd;
}
#else
inline HostPipe::HostPipe() {
    int ends[2];
    if (pipe(ends) == 0) read_ = ends[0], write_ = ends[1];
}
inline bool HostPipe::Put(std::string_view bytes) {
    return write(write_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
}
inline void HostPipe::CloseEnd(End& end) {
    if (end != kNoEnd) close(end);
    end = kNoEnd;
}
#endif

}  // namespace brenx::testkit
