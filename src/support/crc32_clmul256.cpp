// CRC-32 by carry-less multiply folding in 256-bit registers (VPCLMULQDQ).
// Each 128-bit lane folds like the 128-bit kernel; several registers run side
// by side so that the multiplies of one never wait for those of another.
#if defined(__x86_64__)

#include <cstdint>

#include "support/crc32_fold.h"

#define BRENX_VCLMUL __attribute__((target("vpclmulqdq,avx2,pclmul,sse4.1")))

namespace brenx::support::crc32_detail {
namespace {

constexpr int kAccumulators = 8;
constexpr std::size_t kStep = kAccumulators * 32;
// Shorter input goes to the 128-bit kernel; the set-up and the final folds
// would cost more than they save.
constexpr std::size_t kMinLength = 2 * kStep;

BRENX_VCLMUL inline __m256i Pair(FoldPair pair) {
    return _mm256_set_epi64x(static_cast<long long>(pair.high), static_cast<long long>(pair.low),
                             static_cast<long long>(pair.high), static_cast<long long>(pair.low));
}

BRENX_VCLMUL inline __m256i Load(const unsigned char* p) {
    return _mm256_load_si256(reinterpret_cast<const __m256i*>(p));
}

BRENX_VCLMUL inline __m256i Fold(__m256i acc, __m256i pair, __m256i next) {
    const __m256i low = _mm256_clmulepi64_epi128(acc, pair, 0x00);
    const __m256i high = _mm256_clmulepi64_epi128(acc, pair, 0x11);
    return _mm256_xor_si256(_mm256_xor_si256(low, high), next);
}

}  // namespace

BRENX_VCLMUL std::uint32_t UpdateClmul256(std::uint32_t state, const unsigned char* data,
                                          std::size_t count) {
    if (count < kMinLength) return UpdateClmul128(state, data, count);
    const std::size_t head = (32 - reinterpret_cast<std::uintptr_t>(data) % 32) % 32;
    state = UpdateSlicing(state, data, head);
    data += head;
    count -= head;

    // Fully unrolled so that the accumulators stay in registers.
    __m256i acc[kAccumulators];
#pragma GCC unroll 8
    for (int i = 0; i < kAccumulators; ++i)
        acc[i] = Load(data + 32 * i);
    acc[0] =
        _mm256_xor_si256(acc[0], _mm256_set_epi32(0, 0, 0, 0, 0, 0, 0, static_cast<int>(state)));
    data += kStep;
    count -= kStep;
    const __m256i byStep = Pair(FoldOver(kStep * 8));
    for (; count >= kStep; data += kStep, count -= kStep) {
#pragma GCC unroll 8
        for (int i = 0; i < kAccumulators; ++i)
            acc[i] = Fold(acc[i], byStep, Load(data + 32 * i));
    }

    // Each register lies 256 bits before the next one.
    const __m256i by256 = Pair(FoldOver(256));
    __m256i x = acc[0];
#pragma GCC unroll 8
    for (int i = 1; i < kAccumulators; ++i)
        x = Fold(x, by256, acc[i]);
    for (; count >= 32; data += 32, count -= 32)
        x = Fold(x, by256, Load(data));

    // The low lane lies 128 bits before the high one.
    const FoldPair by128 = FoldOver(128);
    const __m128i pair128 =
        _mm_set_epi64x(static_cast<long long>(by128.high), static_cast<long long>(by128.low));
    const __m128i low = _mm256_castsi256_si128(x);
    const __m128i folded = _mm_xor_si128(_mm_clmulepi64_si128(low, pair128, 0x00),
                                         _mm_clmulepi64_si128(low, pair128, 0x11));
    return FinishFold(_mm_xor_si128(folded, _mm256_extracti128_si256(x, 1)), data, count);
}

}  // namespace brenx::support::crc32_detail

#endif
