// CRC-32 by carry-less multiply folding in 512-bit registers (AVX-512F and
// VPCLMULQDQ). Each 128-bit lane folds like the 128-bit kernel; eight
// registers run side by side so that the multiplies of one never wait for
// those of another. The loads need no alignment: the multiplier, not the load
// unit, sets the pace, and a block that starts off a 64-byte boundary (as
// operator new places one) then runs as fast as an aligned one.
#if defined(__x86_64__)

#include <cstdint>

#include "support/crc32_fold.h"

#define BRENX_ZCLMUL __attribute__((target("avx512f,vpclmulqdq,avx2,pclmul,sse4.1")))

namespace brenx::support::crc32_detail {
namespace {

constexpr int kAccumulators = 8;
constexpr std::size_t kLane = 64;
constexpr std::size_t kStep = kAccumulators * kLane;
// The kernel starts with one whole step; shorter input goes to the 256-bit kernel.
constexpr std::size_t kMinLength = kStep;

// Constant expressions, so that the multipliers are built by the compiler.
constexpr FoldPair kByStep = FoldOver(kStep * 8);
constexpr FoldPair kByFour = FoldOver(kLane * 8 * 4);
constexpr FoldPair kByTwo = FoldOver(kLane * 8 * 2);
constexpr FoldPair kByOne = FoldOver(kLane * 8);
constexpr FoldPair kBy384 = FoldOver(384);
constexpr FoldPair kBy256 = FoldOver(256);
constexpr FoldPair kBy128 = FoldOver(128);

BRENX_ZCLMUL inline __m512i Pair(FoldPair pair) {
    const auto low = static_cast<long long>(pair.low);
    const auto high = static_cast<long long>(pair.high);
    return _mm512_set_epi64(high, low, high, low, high, low, high, low);
}

BRENX_ZCLMUL inline __m512i Load(const unsigned char* p) {
    return _mm512_loadu_si512(p);
}

// The accumulator moved forward by the pair's distance, added to `next`; one
// three-way exclusive or (truth table 0x96) adds both products and `next`.
BRENX_ZCLMUL inline __m512i Fold(__m512i acc, __m512i pair, __m512i next) {
    const __m512i low = _mm512_clmulepi64_epi128(acc, pair, 0x00);
    const __m512i high = _mm512_clmulepi64_epi128(acc, pair, 0x11);
    return _mm512_ternarylogic_epi64(low, high, next, 0x96);
}

// One 128-bit lane. (The zero-masked form: GCC 12 warns about the plain
// extract's undefined filler.)
template <int kIndex>
BRENX_ZCLMUL inline __m128i Lane(__m512i x) {
    return _mm512_maskz_extracti32x4_epi32(0xF, x, kIndex);
}

// Folds the four lanes of one register into its last lane: the lanes lie 384,
// 256 and 128 bits before it; the last lane's own multiplier is zero.
BRENX_ZCLMUL __m128i FoldLanes(__m512i x) {
    const __m512i pairs = _mm512_set_epi64(
        0, 0, static_cast<long long>(kBy128.high), static_cast<long long>(kBy128.low),
        static_cast<long long>(kBy256.high), static_cast<long long>(kBy256.low),
        static_cast<long long>(kBy384.high), static_cast<long long>(kBy384.low));
    const __m512i moved = _mm512_xor_si512(_mm512_clmulepi64_epi128(x, pairs, 0x00),
                                           _mm512_clmulepi64_epi128(x, pairs, 0x11));
    const __m128i early = _mm_xor_si128(Lane<0>(moved), Lane<1>(moved));
    const __m128i late = _mm_xor_si128(Lane<2>(moved), Lane<3>(x));
    return _mm_xor_si128(early, late);
}

}  // namespace

BRENX_ZCLMUL std::uint32_t UpdateClmul512(std::uint32_t state, const unsigned char* data,
                                          std::size_t count) {
    if (count < kMinLength) return UpdateClmul256(state, data, count);

    // Fully unrolled so that the accumulators stay in registers.
    __m512i acc[kAccumulators];
#pragma GCC unroll 8
    for (int i = 0; i < kAccumulators; ++i)
        acc[i] = Load(data + kLane * i);
    acc[0] = _mm512_xor_si512(acc[0],
                              _mm512_zextsi128_si512(_mm_cvtsi32_si128(static_cast<int>(state))));
    data += kStep;
    count -= kStep;
    const __m512i byStep = Pair(kByStep);
    for (; count >= kStep; data += kStep, count -= kStep) {
#pragma GCC unroll 8
        for (int i = 0; i < kAccumulators; ++i)
            acc[i] = Fold(acc[i], byStep, Load(data + kLane * i));
    }

    // A tree rather than a chain, three multiplies deep instead of seven: the
    // first four registers into the last four, two of those into the last two,
    // then one into the last.
    static_assert(kAccumulators == 8);
    const __m512i byFour = Pair(kByFour);
#pragma GCC unroll 4
    for (int i = 0; i < 4; ++i)
        acc[i + 4] = Fold(acc[i], byFour, acc[i + 4]);
    const __m512i byTwo = Pair(kByTwo);
    acc[6] = Fold(acc[4], byTwo, acc[6]);
    acc[7] = Fold(acc[5], byTwo, acc[7]);
    const __m512i byLane = Pair(kByOne);
    __m512i x = Fold(acc[6], byLane, acc[7]);
    for (; count >= kLane; data += kLane, count -= kLane)
        x = Fold(x, byLane, Load(data));
    return FinishFold(FoldLanes(x), data, count);
}

}  // namespace brenx::support::crc32_detail

#endif
