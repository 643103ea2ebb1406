#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace brenx::run {

// Every file transfer (copy, verify, read-back) moves data in blocks of this size.
inline constexpr std::size_t kTransferBufferSize = 65024;

// The one transfer buffer of a run, allocated once when the run starts.
class TransferBuffer {
  public:
    TransferBuffer() : bytes_(new std::uint8_t[kTransferBufferSize]) {}
    TransferBuffer(const TransferBuffer&) = delete;
    TransferBuffer& operator=(const TransferBuffer&) = delete;

    std::uint8_t* Data() { return bytes_.get(); }
    static constexpr std::size_t Size() { return kTransferBufferSize; }

  private:
    std::unique_ptr<std::uint8_t[]> bytes_;
};

}  // namespace brenx::run
