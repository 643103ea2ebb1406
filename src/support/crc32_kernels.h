#pragma once

#include <cstddef>
#include <cstdint>

// The update kernels behind Crc32Update. Each takes the raw register value and
// returns it after `count` bytes; none of them presets or complements.
namespace brenx::support::crc32_detail {

// The generator polynomial, bit-reversed: bit i holds the coefficient of x^(31-i).
inline constexpr std::uint32_t kReflectedPolynomial = 0xEDB88320u;

// Multiplies a reflected remainder by x modulo the polynomial.
constexpr std::uint32_t TimesX(std::uint32_t remainder) {
    return (remainder & 1u) != 0 ? (remainder >> 1) ^ kReflectedPolynomial : remainder >> 1;
}

using UpdateKernel = std::uint32_t (*)(std::uint32_t state, const unsigned char* data,
                                       std::size_t count);

// The fastest kernel this processor runs, chosen once at start-up.
std::uint32_t UpdateChosen(std::uint32_t state, const unsigned char* data, std::size_t count);

std::uint32_t UpdateTable(std::uint32_t state, const unsigned char* data, std::size_t count);
std::uint32_t UpdateSlicing(std::uint32_t state, const unsigned char* data, std::size_t count);

#if defined(__x86_64__)
// Need PCLMULQDQ and SSE4.1.
std::uint32_t UpdateClmul128(std::uint32_t state, const unsigned char* data, std::size_t count);
// Need AVX2, VPCLMULQDQ and an operating system that saves the YMM state.
std::uint32_t UpdateClmul256(std::uint32_t state, const unsigned char* data, std::size_t count);
// Need all the above, AVX-512F and an operating system that saves the opmask
// and ZMM state.
std::uint32_t UpdateClmul512(std::uint32_t state, const unsigned char* data, std::size_t count);
#endif

}  // namespace brenx::support::crc32_detail
