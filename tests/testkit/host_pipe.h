#pragma once

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

#include <cstdint>
#include <string_view>

namespace brenx::testkit {

// An anonymous pipe of the host: what is put in comes out at its read end,
// which ends once the writer is closed. Its ends are what the host's terminal
// takes: descriptors, or their handles on Windows.
class HostPipe {
  public:
#ifdef _WIN32
    using End = void*;
#else
    using End = int;
#endif
    HostPipe() {
#ifdef _WIN32
        if (_pipe(ends_, 65536, _O_BINARY | _O_NOINHERIT) != 0) ends_[0] = ends_[1] = -1;
#else
        if (pipe(ends_) != 0) ends_[0] = ends_[1] = -1;
#endif
    }
    ~HostPipe() {
        CloseWriter();
        CloseReader();
    }
    HostPipe(const HostPipe&) = delete;
    HostPipe& operator=(const HostPipe&) = delete;

    End Reader() const {
        return EndOf(ends_[0]);
    }
    End Writer() const {
        return EndOf(ends_[1]);
    }
    bool Put(std::string_view bytes) {
        return write(ends_[1], bytes.data(), static_cast<unsigned>(bytes.size())) ==
               static_cast<int>(bytes.size());
    }
    void CloseWriter() {
        Close(ends_[1]);
    }
    void CloseReader() {
        Close(ends_[0]);
    }

  private:
    static End EndOf(int descriptor) {
#ifdef _WIN32
        return reinterpret_cast<void*>(_get_osfhandle(descriptor));
#else
        return descriptor;
#endif
    }
    static void Close(int& descriptor) {
        if (descriptor >= 0) close(descriptor);
        descriptor = -1;
    }

    int ends_[2] = {-1, -1};
};

}  // namespace brenx::testkit
