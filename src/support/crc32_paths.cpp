// Which update kernels this processor can run, and the one chosen at start-up.
#include "support/crc32_paths.h"

#include "support/crc32_kernels.h"

#if defined(__x86_64__)
#include <cpuid.h>
#endif

namespace brenx::support {
namespace {

using crc32_detail::UpdateKernel;

struct CpuSupport {
    bool clmul128 = false;
    bool clmul256 = false;
    bool clmul512 = false;
};

#if defined(__x86_64__)
// The state components the operating system saves on a context switch.
std::uint64_t SavedStateMask() {
    std::uint32_t low = 0;
    std::uint32_t high = 0;
    __asm__ volatile("xgetbv" : "=a"(low), "=d"(high) : "c"(0));
    return (std::uint64_t{high} << 32) | low;
}

CpuSupport DetectSupport() {
    CpuSupport support;
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (__get_cpuid(1, &a, &b, &c, &d) == 0) return support;
    support.clmul128 = (c & bit_PCLMUL) != 0 && (c & bit_SSE4_1) != 0;
    // 256-bit registers are usable only when the system saves them (XMM and YMM state).
    const bool ymmSaved =
        (c & bit_OSXSAVE) != 0 && (c & bit_AVX) != 0 && (SavedStateMask() & 0x6) == 0x6;
    if (!support.clmul128 || !ymmSaved) return support;
    if (__get_cpuid_count(7, 0, &a, &b, &c, &d) == 0) return support;
    support.clmul256 = (b & bit_AVX2) != 0 && (c & bit_VPCLMULQDQ) != 0;
    // 512-bit registers also need the opmask, upper-ZMM and high-ZMM state saved.
    const bool zmmSaved = (SavedStateMask() & 0xE6) == 0xE6;
    support.clmul512 = support.clmul256 && zmmSaved && (b & bit_AVX512F) != 0;
    return support;
}
#else
CpuSupport DetectSupport() {
    return {};
}
#endif

const CpuSupport& Support() {
    static const CpuSupport support = DetectSupport();
    return support;
}

UpdateKernel KernelFor(Crc32Path path) {
    switch (path) {
        case Crc32Path::Table:
            return crc32_detail::UpdateTable;
        case Crc32Path::Slicing:
            return crc32_detail::UpdateSlicing;
#if defined(__x86_64__)
        case Crc32Path::Clmul128:
            return crc32_detail::UpdateClmul128;
        case Crc32Path::Clmul256:
            return crc32_detail::UpdateClmul256;
        case Crc32Path::Clmul512:
            return crc32_detail::UpdateClmul512;
#else
        default:
            break;
#endif
    }
    return crc32_detail::UpdateSlicing;
}

Crc32Path BestPath() {
    if (Support().clmul512) return Crc32Path::Clmul512;
    if (Support().clmul256) return Crc32Path::Clmul256;
    if (Support().clmul128) return Crc32Path::Clmul128;
    return Crc32Path::Slicing;
}

// A local static so that a caller running before this file's initialisers
// still finds the kernel chosen.
UpdateKernel ChosenKernel() {
    static const UpdateKernel kernel = KernelFor(BestPath());
    return kernel;
}

// Makes the choice during start-up rather than inside the first copy.
[[maybe_unused]] const UpdateKernel kStartUpChoice = ChosenKernel();

}  // namespace

const char* Crc32PathName(Crc32Path path) {
    switch (path) {
        case Crc32Path::Table:
            return "table";
        case Crc32Path::Slicing:
            return "slicing";
        case Crc32Path::Clmul128:
            return "clmul128";
        case Crc32Path::Clmul256:
            return "clmul256";
        case Crc32Path::Clmul512:
            return "clmul512";
    }
    return "unknown";
}

bool Crc32PathAvailable(Crc32Path path) {
    switch (path) {
        case Crc32Path::Table:
        case Crc32Path::Slicing:
            return true;
        case Crc32Path::Clmul128:
            return Support().clmul128;
        case Crc32Path::Clmul256:
            return Support().clmul256;
        case Crc32Path::Clmul512:
            return Support().clmul512;
    }
    return false;
}

Crc32Path Crc32ChosenPath() {
    return BestPath();
}

std::uint32_t Crc32UpdateWith(Crc32Path path, std::uint32_t state, const void* buffer,
                              std::size_t count) {
    if (count == 0 || buffer == nullptr) return state;
    const UpdateKernel kernel = Crc32PathAvailable(path) ? KernelFor(path) : ChosenKernel();
    return kernel(state, static_cast<const unsigned char*>(buffer), count);
}

namespace crc32_detail {
// Used by Crc32Update: resolved once, on first use.
std::uint32_t UpdateChosen(std::uint32_t state, const unsigned char* data, std::size_t count) {
    return ChosenKernel()(state, data, count);
}
}  // namespace crc32_detail

}  // namespace brenx::support
