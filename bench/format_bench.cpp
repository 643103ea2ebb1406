#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "support/safe_format.h"

namespace {

// The CRC log line is formatted once per copied file; the path is 60 characters.
void BM_SafeFormatCrcLine(benchmark::State& state) {
    const std::string path = "e:\\backups\\2612061806\\projects\\brenx\\support\\safe_format.cpp";
    std::uint32_t crc = 0x89ABCDEFu;
    for (auto _ : state) {
        std::string line = brenx::support::SafeFormat("|%s|%x", {path, crc});
        benchmark::DoNotOptimize(line);
        crc += 0x01010101u;
    }
}
BENCHMARK(BM_SafeFormatCrcLine);

}  // namespace

BENCHMARK_MAIN();
