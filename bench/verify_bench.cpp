#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "jobs/verify.h"
#include "options/log_file.h"
#include "options/log_lines.h"
#include "options/option_load.h"
#include "platform/drive_map.h"
#include "platform/posix_file_system.h"
#include "platform/process_starter.h"
#include "run/operator.h"
#include "run/run_state.h"
#include "run/status_board.h"
#include "run/tick_source.h"
#include "support/crc32.h"

// Verify of a large file and of a tree of small files, beside a plain read of
// the same files (128 KiB blocks, as cat reads them) under the same cache
// state: from the medium (every file's pages dropped before each pass) and
// from memory (the files on a file system in memory, /dev/shm). The job runs
// as brenxc would run it, through the run state, with an operator who is
// never asked anything.
//
// BRENX_VERIFY_BENCH_BYTES sets the size of the large file (default 2 GiB),
// BRENX_VERIFY_BENCH_ITERATIONS the passes per benchmark (default 3).
namespace {

namespace fs = std::filesystem;
using namespace brenx;

constexpr int kTreeDirectories = 200;
constexpr int kTreeFilesPerDirectory = 100;
constexpr std::size_t kTreeFileSize = 4096;

int Iterations() {
    const char* text = std::getenv("BRENX_VERIFY_BENCH_ITERATIONS");
    return text && *text ? std::max(1, std::atoi(text)) : 3;
}

std::uint64_t BigFileBytes() {
    const char* text = std::getenv("BRENX_VERIFY_BENCH_BYTES");
    return text && *text ? std::strtoull(text, nullptr, 10) : (std::uint64_t{2} << 30);
}

// An operator that answers nothing: any question fails the benchmark.
class QuietOperator : public run::Operator {
  public:
    bool ConfirmMessage(const std::string& text, bool) override {
        Asked(text);
        return false;
    }
    void InfoMessage(const std::string& text) override { Asked(text); }
    void ErrorMessage(const std::string& text) override { Asked(text); }
    void ShowLogMessage(const std::string& text) override { Asked(text); }
    void SetClipboardText(const std::string&) override {}
    run::MediaAnswer AskMedia(const run::MediaQuestion& q, run::MediaDialogActions&) override {
        Asked(q.text);
        return run::MediaAnswer::GiveUp;
    }
    bool AskDriveLetter(run::DriveLetterDialog&) override { return false; }
    bool PickFile(const run::FilePick&, std::string&) override { return false; }
    bool PumpEvents() override { return false; }
    bool Wait(int) override { return false; }
    void SetAlarmSound(const std::string&) override {}

    std::string question;

  private:
    void Asked(const std::string& text) { question = text; }
};

class NullBoard : public run::StatusBoard {
  public:
    void SetText(run::BoardText, const std::string&) override {}
    void ShowSourceCaption(bool) override {}
    void SetBannerLook(run::BannerLook) override {}
    void SetOptionEcho(const run::OptionEchoCells&) override {}
    void SetRandomWait(bool, int, int) override {}
};

class NoStarter : public platform::ProcessStarter {
  public:
    bool Start(const std::string&, platform::HostError& error) override {
        error = platform::HostError::NotFound;
        return false;
    }
};

std::string NoEnvironment(const std::string&) {
    return {};
}

// Fills the file with bytes that are not all alike, in 1 MiB pieces.
void WriteFile(const std::string& host, std::uint64_t size, std::uint32_t seed,
               support::Crc32Register& crc) {
    std::ofstream out(host, std::ios::binary);
    std::vector<char> piece(std::min<std::uint64_t>(size, 1 << 20));
    support::Crc32Init(crc);
    std::uint32_t x = seed;
    for (std::uint64_t done = 0; done < size;) {
        const std::size_t n =
            static_cast<std::size_t>(std::min<std::uint64_t>(piece.size(), size - done));
        for (std::size_t i = 0; i < n; i += 64) {
            x = x * 1664525u + 1013904223u;
            piece[i] = static_cast<char>(x >> 24);
        }
        out.write(piece.data(), static_cast<std::streamsize>(n));
        support::Crc32Update(piece.data(), n, crc);
        done += n;
    }
    support::Crc32Final(crc);
}

// The test data on one place (a disk or memory), mapped as drive v:, with
// the CRC logs a copy would leave: one for the large file, one for the tree.
class Place {
  public:
    explicit Place(const std::string& base) {
        std::string pattern = base + "/brenx-verify-XXXXXX";
        root_ = mkdtemp(pattern.data()) ? pattern : std::string();
        if (root_.empty()) return;
        drives_.SetDrive('v', root_);
        MakeBigFile();
        MakeTree();
    }
    ~Place() {
        std::error_code ignored;
        if (!root_.empty()) fs::remove_all(root_, ignored);
    }
    bool Ready() const { return !root_.empty(); }
    const platform::DriveMap& Drives() const { return drives_; }
    const std::vector<std::string>& HostFiles(bool tree) const { return tree ? tree_ : big_; }
    std::uint64_t Bytes(bool tree) const {
        return tree ? std::uint64_t{kTreeDirectories} * kTreeFilesPerDirectory * kTreeFileSize
                    : BigFileBytes();
    }
    static const char* Log(bool tree) { return tree ? "v:\\tree.log" : "v:\\big.log"; }

  private:
    void MakeBigFile() {
        support::Crc32Register crc;
        big_.push_back(root_ + "/big.bin");
        WriteFile(big_[0], BigFileBytes(), 1, crc);
        std::ofstream(root_ + "/big.log", std::ios::binary)
            << options::CrcLogLine("v:\\big.bin", crc.value) << "\r\n";
    }
    void MakeTree() {
        std::ofstream log(root_ + "/tree.log", std::ios::binary);
        for (int d = 0; d < kTreeDirectories; ++d) {
            const std::string dir = "tree/d" + std::to_string(d);
            fs::create_directories(root_ + "/" + dir);
            for (int f = 0; f < kTreeFilesPerDirectory; ++f) {
                const std::string name = dir + "/f" + std::to_string(f) + ".dat";
                support::Crc32Register crc;
                tree_.push_back(root_ + "/" + name);
                WriteFile(tree_.back(), kTreeFileSize, static_cast<std::uint32_t>(d * 1000 + f),
                          crc);
                std::string windows = "v:\\" + name;
                for (char& c : windows)
                    c = c == '/' ? '\\' : c;
                log << options::CrcLogLine(windows, crc.value) << "\r\n";
            }
        }
    }

    std::string root_;
    platform::DriveMap drives_;
    std::vector<std::string> big_;
    std::vector<std::string> tree_;
};

Place& DiskPlace() {
    static Place place([] {
        const char* base = std::getenv("TMPDIR");
        return std::string(base && *base ? base : "/var/tmp");
    }());
    return place;
}

Place& MemoryPlace() {
    static Place place("/dev/shm");
    return place;
}

// Puts the files' pages out of the cache (they are clean: written back first).
void DropPages(const std::vector<std::string>& files) {
    for (const std::string& file : files) {
        const int fd = ::open(file.c_str(), O_RDONLY);
        if (fd < 0) continue;
        ::fdatasync(fd);
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        ::close(fd);
    }
}

bool VerifyOnce(Place& place, bool tree, std::string& problem) {
    platform::PosixFileSystem fileSystem(place.Drives());
    QuietOperator op;
    NullBoard board;
    NoStarter starter;
    run::SteadyTickSource ticks;
    options::OptionLoad options(fileSystem, op,
                                options::OptionInputs{{}, NoEnvironment, "v:\\", "2612061806"});
    options::Log log(fileSystem, "v:\\run.log");
    run::RunState state(run::RunParts{options, fileSystem, log, op, board, starter, ticks});
    state.flags.askedOnce = true;
    state.jobMode = run::JobMode::Verify;
    options.Settings().verify = Place::Log(tree);
    const bool verified = jobs::RunVerify(state);
    if (!verified) problem = op.question.empty() ? state.failureReason : op.question;
    return verified;
}

// What cat does with a file: read it in 128 KiB blocks.
std::uint64_t PlainRead(const std::vector<std::string>& files) {
    static std::vector<char> buffer(128 * 1024);
    std::uint64_t total = 0;
    for (const std::string& file : files) {
        const int fd = ::open(file.c_str(), O_RDONLY);
        if (fd < 0) continue;
        for (ssize_t n; (n = ::read(fd, buffer.data(), buffer.size())) > 0;)
            total += n;
        ::close(fd);
    }
    return total;
}

void Run(benchmark::State& state, Place& place, bool tree, bool fromMedium, bool verify) {
    if (!place.Ready()) {
        state.SkipWithError("no place for the test data");
        return;
    }
    const std::vector<std::string>& files = place.HostFiles(tree);
    if (!fromMedium) PlainRead(files);  // bring everything into memory once
    for (auto _ : state) {
        if (fromMedium) {
            state.PauseTiming();
            DropPages(files);
            state.ResumeTiming();
        }
        if (verify) {
            std::string problem;
            if (!VerifyOnce(place, tree, problem)) {
                state.SkipWithError(problem.c_str());
                return;
            }
        } else {
            benchmark::DoNotOptimize(PlainRead(files));
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * place.Bytes(tree)));
}

void Register(const char* name, bool tree, bool fromMedium, bool verify) {
    benchmark::RegisterBenchmark(name,
                                 [=](benchmark::State& state) {
                                     Run(state, fromMedium ? DiskPlace() : MemoryPlace(), tree,
                                         fromMedium, verify);
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(Iterations());
}

}  // namespace

int main(int argc, char** argv) {
    Register("BigFile/Medium/Verify", false, true, true);
    Register("BigFile/Medium/PlainRead", false, true, false);
    Register("BigFile/Memory/Verify", false, false, true);
    Register("BigFile/Memory/PlainRead", false, false, false);
    Register("Tree/Medium/Verify", true, true, true);
    Register("Tree/Medium/PlainRead", true, true, false);
    Register("Tree/Memory/Verify", true, false, true);
    Register("Tree/Memory/PlainRead", true, false, false);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
