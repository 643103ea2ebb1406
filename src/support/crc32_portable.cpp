// The portable update kernels: the byte-at-a-time table loop and slicing-by-16.
#include <array>

#include "support/crc32_kernels.h"

namespace brenx::support::crc32_detail {
namespace {

using Table = std::array<std::uint32_t, 256>;
constexpr int kSlices = 16;

// Entry i is the remainder of i after eight shifts: the CRC of the byte i fed
// into a register of zeros.
constexpr Table BuildByteTable() {
    Table table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t x = i;
        for (int bit = 0; bit < 8; ++bit)
            x = TimesX(x);
        table[i] = x;
    }
    return table;
}

// Table k gives the effect of a byte followed by k zero bytes, so sixteen
// independent lookups consume sixteen bytes in one step.
constexpr std::array<Table, kSlices> BuildSliceTables() {
    std::array<Table, kSlices> tables{};
    tables[0] = BuildByteTable();
    for (int k = 1; k < kSlices; ++k) {
        for (int i = 0; i < 256; ++i) {
            const std::uint32_t prev = tables[k - 1][i];
            tables[k][i] = (prev >> 8) ^ tables[0][prev & 0xFF];
        }
    }
    return tables;
}

constexpr std::array<Table, kSlices> kTables = BuildSliceTables();
constexpr const Table& kByteTable = kTables[0];

// Byte order independent; compilers turn it into one load on little-endian.
inline std::uint32_t Load32Le(const unsigned char* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
           std::uint32_t{p[3]} << 24;
}

// The contribution of one 32-bit word whose first byte is `slice` bytes from
// the end of the sixteen-byte step, plus three.
inline std::uint32_t Word(std::uint32_t w, int slice) {
    return kTables[slice][w & 0xFF] ^ kTables[slice - 1][(w >> 8) & 0xFF] ^
           kTables[slice - 2][(w >> 16) & 0xFF] ^ kTables[slice - 3][w >> 24];
}

}  // namespace

std::uint32_t UpdateTable(std::uint32_t state, const unsigned char* data, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        state = kByteTable[(data[i] ^ state) & 0xFF] ^ (state >> 8);
    }
    return state;
}

std::uint32_t UpdateSlicing(std::uint32_t state, const unsigned char* data, std::size_t count) {
    while (count >= kSlices) {
        state = Word(Load32Le(data) ^ state, 15) ^ Word(Load32Le(data + 4), 11) ^
                Word(Load32Le(data + 8), 7) ^ Word(Load32Le(data + 12), 3);
        data += kSlices;
        count -= kSlices;
    }
    return UpdateTable(state, data, count);
}

}  // namespace brenx::support::crc32_detail
