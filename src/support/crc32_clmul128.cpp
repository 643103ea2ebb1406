// CRC-32 by carry-less multiply folding in 128-bit registers (PCLMULQDQ).
#if defined(__x86_64__)

#include <cstdint>

#include "support/crc32_fold.h"

#define BRENX_CLMUL __attribute__((target("pclmul,sse4.1")))

namespace brenx::support::crc32_detail {
namespace {

// Four accumulators hide the multiply latency; below this length slicing wins.
constexpr std::size_t kStep = 64;
constexpr std::size_t kMinLength = 128;

BRENX_CLMUL inline __m128i Pair(FoldPair pair) {
    return _mm_set_epi64x(static_cast<long long>(pair.high), static_cast<long long>(pair.low));
}

BRENX_CLMUL inline __m128i Load(const unsigned char* p) {
    return _mm_load_si128(reinterpret_cast<const __m128i*>(p));
}

// The accumulator moved forward by the pair's distance, added to `next`.
BRENX_CLMUL inline __m128i Fold(__m128i acc, __m128i pair, __m128i next) {
    const __m128i low = _mm_clmulepi64_si128(acc, pair, 0x00);
    const __m128i high = _mm_clmulepi64_si128(acc, pair, 0x11);
    return _mm_xor_si128(_mm_xor_si128(low, high), next);
}

// A*x^32 mod P for the accumulator A: the register value after its 16 bytes.
BRENX_CLMUL std::uint32_t Reduce(__m128i acc) {
    const __m128i low32 = _mm_set_epi32(0, 0, 0, -1);
    const __m128i shifts = _mm_set_epi64x(static_cast<long long>(Multiplier(64)),
                                          static_cast<long long>(Multiplier(96)));
    const __m128i barrett =
        _mm_set_epi64x(static_cast<long long>(kBarrettMu), static_cast<long long>(kPolyMultiplier));
    // A*x^32 = H*x^96 + L*x^32: 96 bits, bit k = x^(95-k) (the product's own order).
    __m128i t = _mm_xor_si128(_mm_srli_si128(acc, 8), _mm_clmulepi64_si128(acc, shifts, 0x00));
    // Top 32 bits through x^64: 64 bits, bit k = x^(63-k).
    t = _mm_xor_si128(_mm_srli_si128(t, 4),
                      _mm_clmulepi64_si128(_mm_and_si128(t, low32), shifts, 0x10));
    // Barrett: q = top 32 bits times mu, keep the top 32; remainder = t + q*P.
    __m128i q = _mm_clmulepi64_si128(_mm_and_si128(t, low32), barrett, 0x10);
    q = _mm_clmulepi64_si128(_mm_and_si128(q, low32), barrett, 0x00);
    return static_cast<std::uint32_t>(_mm_extract_epi32(_mm_xor_si128(t, q), 1));
}

}  // namespace

BRENX_CLMUL std::uint32_t FinishFold(__m128i acc, const unsigned char* data, std::size_t count) {
    const __m128i by128 = Pair(FoldOver(128));
    for (; count >= 16; data += 16, count -= 16) {
        acc = Fold(acc, by128, _mm_loadu_si128(reinterpret_cast<const __m128i*>(data)));
    }
    return UpdateSlicing(Reduce(acc), data, count);
}

BRENX_CLMUL std::uint32_t UpdateClmul128(std::uint32_t state, const unsigned char* data,
                                         std::size_t count) {
    if (count < kMinLength) return UpdateSlicing(state, data, count);
    // Aligned loads: feed the bytes before the first 16-byte boundary by table.
    const std::size_t head = (16 - reinterpret_cast<std::uintptr_t>(data) % 16) % 16;
    state = UpdateSlicing(state, data, head);
    data += head;
    count -= head;

    // The register value enters as an addition to the first 32 message bits.
    __m128i x0 = _mm_xor_si128(Load(data), _mm_cvtsi32_si128(static_cast<int>(state)));
    __m128i x1 = Load(data + 16);
    __m128i x2 = Load(data + 32);
    __m128i x3 = Load(data + 48);
    data += kStep;
    count -= kStep;
    const __m128i by512 = Pair(FoldOver(512));
    for (; count >= kStep; data += kStep, count -= kStep) {
        x0 = Fold(x0, by512, Load(data));
        x1 = Fold(x1, by512, Load(data + 16));
        x2 = Fold(x2, by512, Load(data + 32));
        x3 = Fold(x3, by512, Load(data + 48));
    }
    const __m128i by128 = Pair(FoldOver(128));
    const __m128i acc = Fold(Fold(Fold(x0, by128, x1), by128, x2), by128, x3);
    return FinishFold(acc, data, count);
}

}  // namespace brenx::support::crc32_detail

#endif
