#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "options/log_file.h"
#include "options/log_lines.h"
#include "platform/drive_map.h"
#include "platform/posix/posix_file_system.h"

// One log entry per copied file. The program's writer, which keeps the log
// open between entries, is measured beside an open, append and close of the
// same line through the Windows-path file system and through the host's own
// calls, what each entry cost when the log was opened for every entry.
namespace {

const std::string kPath = "e:\\backups\\2612061806\\projects\\brenx\\support\\safe_format.cpp";

// A temporary directory mapped as drive l:, removed at the end.
class LogDirectory {
  public:
    LogDirectory() {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/brenx-log-XXXXXX";
        host_ = mkdtemp(pattern.data()) ? pattern : std::string();
        drives_.SetDrive('l', host_);
    }
    ~LogDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(host_, ignored);
    }
    const std::string& Host() const { return host_; }
    const brenx::platform::DriveMap& Drives() const { return drives_; }

  private:
    std::string host_;
    brenx::platform::DriveMap drives_;
};

void BM_WriteLogEntry(benchmark::State& state) {
    LogDirectory directory;
    brenx::platform::PosixFileSystem fileSystem(directory.Drives());
    brenx::options::Log log(fileSystem, "l:\\run.bnx");
    std::uint32_t crc = 0x89ABCDEFu;
    for (auto _ : state) {
        log.Write(brenx::options::CrcLogLine(kPath, crc));
        crc += 0x01010101u;
    }
    if (log.FailedEntries() != 0) state.SkipWithError("log entries were lost");
}
BENCHMARK(BM_WriteLogEntry);

// The host layer's own calls for one entry, without the log's formatting and
// bookkeeping: what the log adds is the difference to BM_WriteLogEntry.
void BM_HostLayerAppendEntry(benchmark::State& state) {
    LogDirectory directory;
    brenx::platform::PosixFileSystem fileSystem(directory.Drives());
    std::uint32_t crc = 0x89ABCDEFu;
    for (auto _ : state) {
        const std::string line = brenx::options::CrcLogLine(kPath, crc) + "\r\n";
        auto file = fileSystem.Open("l:\\run.bnx", brenx::platform::Access::Write,
                                    brenx::platform::Disposition::OpenAlways);
        const auto size = static_cast<std::int64_t>(line.size());
        if (!file || file->SeekToEnd() < 0 || file->Write(line.data(), size) != size) {
            state.SkipWithError("append failed");
            break;
        }
        file->Close();
        crc += 0x01010101u;
    }
}
BENCHMARK(BM_HostLayerAppendEntry);

void BM_PosixAppendEntry(benchmark::State& state) {
    LogDirectory directory;
    const std::string file = directory.Host() + "/run.bnx";
    std::uint32_t crc = 0x89ABCDEFu;
    for (auto _ : state) {
        const std::string line = brenx::options::CrcLogLine(kPath, crc) + "\r\n";
        const int fd = open(file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0 || write(fd, line.data(), line.size()) != static_cast<ssize_t>(line.size())) {
            state.SkipWithError("append failed");
        }
        if (fd >= 0) close(fd);
        crc += 0x01010101u;
    }
}
BENCHMARK(BM_PosixAppendEntry);

}  // namespace

BENCHMARK_MAIN();
