#include "support/crc32.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <random>
#include <vector>

#include "support/crc32_paths.h"

namespace brenx::support {
namespace {

std::vector<unsigned char> RandomBytes(std::size_t count, unsigned seed) {
    std::mt19937 gen(seed);
    std::vector<unsigned char> bytes(count);
    for (auto& b : bytes)
        b = static_cast<unsigned char>(gen());
    return bytes;
}

std::uint32_t ZlibCrc(const unsigned char* data, std::size_t count) {
    return static_cast<std::uint32_t>(crc32(0, data, static_cast<uInt>(count)));
}

// The whole CRC (preset and complement) through one path.
std::uint32_t PathCrc(Crc32Path path, const unsigned char* data, std::size_t count) {
    return Crc32UpdateWith(path, 0xFFFFFFFFu, data, count) ^ 0xFFFFFFFFu;
}

TEST(Crc32, CheckValueAndEmptyInput) {
    Crc32Register reg;
    Crc32Init(reg);
    Crc32Update("123456789", 9, reg);
    Crc32Final(reg);
    EXPECT_EQ(reg.value, 0xCBF43926u);
    EXPECT_EQ(reg.byteTotal, 9u);

    // Init starts over from a used register; zero-length feeds change nothing.
    Crc32Init(reg);
    EXPECT_EQ(reg.byteTotal, 0u);
    const char byte = 'x';
    Crc32Update(&byte, 0, reg);
    Crc32Update(nullptr, 0, reg);
    Crc32Update(nullptr, 5, reg);
    Crc32Final(reg);
    EXPECT_EQ(reg.value, 0u);
    EXPECT_EQ(reg.byteTotal, 0u);
}

TEST(Crc32, ChosenPathIsTheFastestAvailable) {
    const Crc32Path chosen = Crc32ChosenPath();
    EXPECT_TRUE(Crc32PathAvailable(chosen));
    EXPECT_TRUE(Crc32PathAvailable(Crc32Path::Table));
    EXPECT_TRUE(Crc32PathAvailable(Crc32Path::Slicing));
    // The wider carry-less paths need everything the narrower ones need.
    if (Crc32PathAvailable(Crc32Path::Clmul512)) {
        EXPECT_TRUE(Crc32PathAvailable(Crc32Path::Clmul256));
    }
    if (Crc32PathAvailable(Crc32Path::Clmul256)) {
        EXPECT_TRUE(Crc32PathAvailable(Crc32Path::Clmul128));
    }
    if (Crc32PathAvailable(Crc32Path::Clmul512)) {
        EXPECT_EQ(chosen, Crc32Path::Clmul512);
    } else if (Crc32PathAvailable(Crc32Path::Clmul256)) {
        EXPECT_EQ(chosen, Crc32Path::Clmul256);
    } else if (Crc32PathAvailable(Crc32Path::Clmul128)) {
        EXPECT_EQ(chosen, Crc32Path::Clmul128);
    } else {
        EXPECT_EQ(chosen, Crc32Path::Slicing);
    }
}

class Crc32PathTest : public ::testing::TestWithParam<Crc32Path> {
  protected:
    void SetUp() override {
        if (!Crc32PathAvailable(GetParam())) GTEST_SKIP() << "processor lacks this path";
    }
};

TEST_P(Crc32PathTest, AgreesWithZlibOnEveryShortLengthAndOffset) {
    const auto data = RandomBytes(300 + 64, 1);
    for (std::size_t offset = 0; offset < 64; ++offset) {
        for (std::size_t length = 0; length <= 300; ++length) {
            const unsigned char* p = data.data() + offset;
            ASSERT_EQ(PathCrc(GetParam(), p, length), ZlibCrc(p, length))
                << "offset " << offset << " length " << length;
        }
    }
}

TEST_P(Crc32PathTest, AgreesWithZlibAroundFoldBoundaries) {
    const auto data = RandomBytes(300 * 1024 + 64, 2);
    std::vector<std::size_t> lengths = {65024, 300 * 1024};
    for (std::size_t block : {64, 128, 256, 512, 1024, 2048, 4096, 65536}) {
        for (std::size_t delta = 0; delta <= 70; delta += 1) {
            lengths.push_back(block + delta);
            if (delta <= block) lengths.push_back(block - delta);
        }
    }
    for (std::size_t offset = 0; offset < 64; offset += 7) {
        for (std::size_t length : lengths) {
            const unsigned char* p = data.data() + offset;
            ASSERT_EQ(PathCrc(GetParam(), p, length), ZlibCrc(p, length))
                << "offset " << offset << " length " << length;
        }
    }
}

// Every length over the widest kernel's hand-over from shorter input, its first
// whole steps and each count of leftover registers, at offsets with different
// alignments.
TEST_P(Crc32PathTest, AgreesWithZlibOnEveryMediumLength) {
    const auto data = RandomBytes(4200 + 128, 8);
    // Offsets from a 64-byte boundary, the widest register's alignment.
    const auto address = reinterpret_cast<std::uintptr_t>(data.data());
    const unsigned char* aligned = data.data() + (64 - address % 64) % 64;
    for (std::size_t offset : {0, 1, 17, 32, 45, 63}) {
        for (std::size_t length = 300; length <= 4200; ++length) {
            const unsigned char* p = aligned + offset;
            ASSERT_EQ(PathCrc(GetParam(), p, length), ZlibCrc(p, length))
                << "offset " << offset << " length " << length;
        }
    }
}

TEST_P(Crc32PathTest, AnyBlockSplitGivesTheSameCrc) {
    const auto data = RandomBytes(200 * 1024, 3);
    const std::uint32_t whole = ZlibCrc(data.data(), data.size());
    std::mt19937 gen(4);
    for (int round = 0; round < 40; ++round) {
        // Alternate between small and large blocks so both fast and slow ends run.
        const std::size_t maxBlock = round % 2 == 0 ? 700 : 40000;
        std::uint32_t state = 0xFFFFFFFFu;
        std::size_t pos = 0;
        while (pos < data.size()) {
            std::size_t block = std::uniform_int_distribution<std::size_t>(0, maxBlock)(gen);
            if (block > data.size() - pos) block = data.size() - pos;
            state = Crc32UpdateWith(GetParam(), state, data.data() + pos, block);
            pos += block;
        }
        ASSERT_EQ(state ^ 0xFFFFFFFFu, whole) << "round " << round;
    }
}

INSTANTIATE_TEST_SUITE_P(AllPaths, Crc32PathTest, ::testing::ValuesIn(kAllCrc32Paths),
                         [](const auto& info) { return Crc32PathName(info.param); });

TEST(Crc32, BlockSplitsGiveOneCrcAndOneTotal) {
    const auto data = RandomBytes(150 * 1024 + 13, 5);
    const std::uint32_t whole = ZlibCrc(data.data(), data.size());
    std::mt19937 gen(6);
    for (int round = 0; round < 30; ++round) {
        Crc32Register reg;
        Crc32Init(reg);
        std::size_t pos = 0;
        while (pos < data.size()) {
            std::size_t block = std::uniform_int_distribution<std::size_t>(0, 70000)(gen);
            if (block > data.size() - pos) block = data.size() - pos;
            Crc32Update(data.data() + pos, block, reg);
            pos += block;
        }
        Crc32Final(reg);
        ASSERT_EQ(reg.value, whole) << "round " << round;
        ASSERT_EQ(reg.byteTotal, data.size()) << "round " << round;
    }
}

TEST(Crc32, ByteTotalPassesFourGibibytes) {
    // An odd size, cache resident, fed until the total is past 2^32.
    const auto data = RandomBytes(1024 * 1024 + 7, 7);
    const std::uint32_t once = ZlibCrc(data.data(), data.size());
    const std::uint64_t rounds = ((std::uint64_t{1} << 32) / data.size()) + 2;

    Crc32Register reg;
    Crc32Init(reg);
    uLong expected = 0;
    for (std::uint64_t i = 0; i < rounds; ++i) {
        Crc32Update(data.data(), data.size(), reg);
        expected = crc32_combine(expected, once, static_cast<z_off_t>(data.size()));
    }
    Crc32Final(reg);
    EXPECT_EQ(reg.byteTotal, rounds * data.size());
    EXPECT_GT(reg.byteTotal, std::uint64_t{1} << 32);
    EXPECT_EQ(reg.value, static_cast<std::uint32_t>(expected));
}

}  // namespace
}  // namespace brenx::support
