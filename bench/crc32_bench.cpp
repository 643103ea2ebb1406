// CRC-32 throughput: every kernel this processor runs, beside zlib and
// libdeflate, on one transfer block (cache resident) and on a 256 MiB buffer
// (memory bound), with a plain read of the large buffer as the memory figure,
// and the carry-less multiply kernels on short and misaligned input.
#include <benchmark/benchmark.h>
#include <libdeflate.h>
#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>

#include "support/crc32_paths.h"

namespace {

using brenx::support::Crc32Path;

constexpr std::size_t kBlockSize = 65024;
constexpr std::size_t kLargeSize = std::size_t{256} << 20;
constexpr std::size_t kShortSizes[] = {256, 512, 768, 1024, 1536, 2048, 4096};
constexpr Crc32Path kClmulPaths[] = {Crc32Path::Clmul128, Crc32Path::Clmul256, Crc32Path::Clmul512};

// One random buffer, 64-byte aligned, large enough for both sizes.
const unsigned char* Buffer() {
    static const unsigned char* buffer = [] {
        auto* p = static_cast<std::uint64_t*>(std::aligned_alloc(64, kLargeSize));
        std::mt19937_64 gen(42);
        for (std::size_t i = 0; i < kLargeSize / 8; ++i)
            p[i] = gen();
        return reinterpret_cast<const unsigned char*>(p);
    }();
    return buffer;
}

template <typename Crc>
void Run(benchmark::State& state, std::size_t size, Crc crc, std::size_t offset = 0) {
    const unsigned char* data = Buffer() + offset;
    for (auto _ : state)
        benchmark::DoNotOptimize(crc(data, size));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

void OurPath(benchmark::State& state, Crc32Path path, std::size_t size, std::size_t offset = 0) {
    Run(
        state, size,
        [path](const unsigned char* p, std::size_t n) {
            return brenx::support::Crc32UpdateWith(path, 0xFFFFFFFFu, p, n);
        },
        offset);
}

void Zlib(benchmark::State& state, std::size_t size) {
    Run(state, size, [](const unsigned char* p, std::size_t n) {
        return crc32_z(0, p, static_cast<z_size_t>(n));
    });
}

void Libdeflate(benchmark::State& state, std::size_t size) {
    Run(state, size,
        [](const unsigned char* p, std::size_t n) { return libdeflate_crc32(0, p, n); });
}

// Sums the buffer as 64-bit words in eight independent sums, so that neither
// one chain of additions nor the loop's branch limits it: the speed at which
// this core reads memory.
void MemoryRead(benchmark::State& state, std::size_t size) {
    Run(state, size, [](const unsigned char* p, std::size_t n) {
        const auto* words = reinterpret_cast<const std::uint64_t*>(p);
        std::uint64_t sums[8] = {};
        for (std::size_t i = 0; i + 8 <= n / 8; i += 8) {
#pragma GCC unroll 8
            for (int k = 0; k < 8; ++k)
                sums[k] += words[i + k];
        }
        std::uint64_t sum = 0;
        for (std::uint64_t s : sums)
            sum += s;
        return sum;
    });
}

void RegisterAll() {
    for (std::size_t size : {kBlockSize, kLargeSize}) {
        const std::string suffix = size == kBlockSize ? "/65024" : "/256MiB";
        for (Crc32Path path : brenx::support::kAllCrc32Paths) {
            if (!brenx::support::Crc32PathAvailable(path)) continue;
            const std::string name = std::string("crc32/") + Crc32PathName(path) + suffix;
            benchmark::RegisterBenchmark(name.c_str(), OurPath, path, size, std::size_t{0});
        }
        benchmark::RegisterBenchmark(("crc32/zlib" + suffix).c_str(), Zlib, size);
        benchmark::RegisterBenchmark(("crc32/libdeflate" + suffix).c_str(), Libdeflate, size);
    }
    benchmark::RegisterBenchmark("memory_read/256MiB", MemoryRead, kLargeSize);
    for (Crc32Path path : kClmulPaths) {
        if (!brenx::support::Crc32PathAvailable(path)) continue;
        // A block 16 bytes past a 64-byte boundary, as operator new places the
        // transfer buffer.
        const std::string name = std::string("crc32_offset16/") + Crc32PathName(path) + "/65024";
        benchmark::RegisterBenchmark(name.c_str(), OurPath, path, kBlockSize, std::size_t{16});
    }
    // Short input, where the wide kernels hand over to narrower ones.
    for (std::size_t size : kShortSizes) {
        for (Crc32Path path : kClmulPaths) {
            if (!brenx::support::Crc32PathAvailable(path)) continue;
            const std::string name =
                std::string("crc32_short/") + Crc32PathName(path) + "/" + std::to_string(size);
            benchmark::RegisterBenchmark(name.c_str(), OurPath, path, size, std::size_t{0});
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RegisterAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
