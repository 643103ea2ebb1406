#pragma once

// Shared by the carry-less multiply kernels (x86-64 only).
#if defined(__x86_64__)

#include <immintrin.h>

#include "support/crc32_kernels.h"

// How the folding works, in the reflected bit order the CRC uses.
//
// Sixteen message bytes loaded into a 128-bit register put the coefficient of
// x^(127-k) in bit k: the low 64-bit half H holds the earlier (higher) powers,
// the high half L the later ones, so the chunk is H*x^64 + L. A chunk that lies
// D bits before another can be replaced, modulo the polynomial P, by
//     H * (x^(D+64) mod P) + L * (x^D mod P)
// added into the later chunk; both products stay under 128 bits.
//
// PCLMULQDQ multiplies a 64-bit half h (bit i = x^(63-i)) by a multiplier m
// whose bit j stands for x^(32-j): the product h*m lands with bit k = x^(95-k),
// which in the register's order is h*m*x^32. So x^n mod P, reversed and shifted
// left one place (33 bits), moves a half by x^(n+32), and the pair for a fold
// over D bits is (x^(D+32) mod P, x^(D-32) mod P).
//
// The last register A becomes the CRC of its 16 bytes, A*x^32 mod P, in three
// steps: H*x^96 + L*x^32 (96 bits), its top 32 bits through x^64 (64 bits),
// then a Barrett reduction with mu = floor(x^64 / P).
namespace brenx::support::crc32_detail {

// x^n mod P, reflected: bit i holds the coefficient of x^(31-i).
constexpr std::uint32_t XPowModP(unsigned n) {
    std::uint32_t r = 0x80000000u;  // x^0
    while (n-- > 0)
        r = TimesX(r);
    return r;
}

// x^n mod P as a carry-less multiplier (see above).
constexpr std::uint64_t Multiplier(unsigned n) {
    return std::uint64_t{XPowModP(n)} << 1;
}

constexpr std::uint64_t ReverseBits(std::uint64_t v, int bits) {
    std::uint64_t r = 0;
    for (int i = 0; i < bits; ++i) {
        if ((v >> i) & 1u) r |= std::uint64_t{1} << (bits - 1 - i);
    }
    return r;
}

// floor(x^64 / P) by long division in normal bit order, then reflected over 33
// bits (bit j stands for x^(32-j)).
constexpr std::uint64_t BarrettMu() {
    const std::uint64_t poly = (std::uint64_t{1} << 32) | ReverseBits(kReflectedPolynomial, 32);
    std::uint64_t window = std::uint64_t{1} << 32;  // the top 33 bits of x^64
    std::uint64_t quotient = 0;
    for (int degree = 32; degree >= 0; --degree) {
        if ((window >> 32) & 1u) {
            window ^= poly;
            quotient |= std::uint64_t{1} << degree;
        }
        window <<= 1;
    }
    return ReverseBits(quotient, 33);
}

// P itself over 33 bits in the same order as mu.
inline constexpr std::uint64_t kPolyMultiplier = (std::uint64_t{kReflectedPolynomial} << 1) | 1u;
inline constexpr std::uint64_t kBarrettMu = BarrettMu();

// The multiplier pair for a fold over `bits`: low half, then high half.
struct FoldPair {
    std::uint64_t low;
    std::uint64_t high;
};
constexpr FoldPair FoldOver(unsigned bits) {
    return {Multiplier(bits + 32), Multiplier(bits - 32)};
}

// Folds the 128-bit accumulator, then any further whole 16-byte chunks, reduces
// it to a register value and feeds the remaining bytes (fewer than 16) through
// the slicing kernel.
__attribute__((target("pclmul,sse4.1"))) std::uint32_t FinishFold(__m128i acc,
                                                                  const unsigned char* data,
                                                                  std::size_t count);

}  // namespace brenx::support::crc32_detail

#endif
