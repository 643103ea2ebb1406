#include "support/crc32.h"

#include "support/crc32_kernels.h"

namespace brenx::support {

void Crc32Init(Crc32Register& reg) {
    reg.value = 0xFFFFFFFFu;
    reg.byteTotal = 0;
}

void Crc32Update(const void* buffer, std::size_t count, Crc32Register& reg) {
    if (count == 0 || buffer == nullptr) return;
    reg.value =
        crc32_detail::UpdateChosen(reg.value, static_cast<const unsigned char*>(buffer), count);
    reg.byteTotal += count;
}

void Crc32Final(Crc32Register& reg) {
    reg.value ^= 0xFFFFFFFFu;
}

}  // namespace brenx::support
