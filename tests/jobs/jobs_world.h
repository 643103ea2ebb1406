#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "options/log_lines.h"
#include "options/option_load.h"
#include "platform/process_starter.h"
#include "run/run_world.h"
#include "support/crc32.h"

namespace brenx::jobs::testing {

// A file handle that passes every call on and lets a test look at the file
// just before the first read of its data.
class ProbeHandle : public platform::FileHandle {
  public:
    ProbeHandle(std::unique_ptr<platform::FileHandle> inner, std::function<void()> beforeRead)
        : inner_(std::move(inner)), beforeRead_(std::move(beforeRead)) {}

    std::int64_t Read(void* buffer, std::int64_t count) override {
        if (beforeRead_) std::exchange(beforeRead_, nullptr)();
        return inner_->Read(buffer, count);
    }
    std::int64_t Write(const void* data, std::int64_t count) override {
        return inner_->Write(data, count);
    }
    bool Seek(std::int64_t offset) override { return inner_->Seek(offset); }
    std::int64_t Position() override { return inner_->Position(); }
    std::int64_t Size() override { return inner_->Size(); }
    std::int64_t SeekToEnd() override { return inner_->SeekToEnd(); }
    platform::DosDateTime GetDate() override { return inner_->GetDate(); }
    bool SetDate(platform::DosDateTime date) override { return inner_->SetDate(date); }
    bool Flush() override { return inner_->Flush(); }
    bool DropCachedPages() override { return inner_->DropCachedPages(); }
    bool Close() override { return inner_->Close(); }

  private:
    std::unique_ptr<platform::FileHandle> inner_;
    std::function<void()> beforeRead_;
};

// The world's file system, which can also watch the first read of each file.
class ProbingFileSystem : public run::testing::WorldFileSystem {
  public:
    using run::testing::WorldFileSystem::WorldFileSystem;

    std::unique_ptr<platform::FileHandle> Open(const std::string& path, platform::Access access,
                                               platform::Disposition disposition) override {
        opened.push_back(path);
        auto handle = WorldFileSystem::Open(path, access, disposition);
        if (!handle || !beforeRead) return handle;
        return std::make_unique<ProbeHandle>(std::move(handle), [this, path] { beforeRead(path); });
    }

    // Called with the path just before the first read of an opened file.
    std::function<void(const std::string&)> beforeRead;
    std::vector<std::string> opened;
};

// A process starter that records the command lines and does what the test
// says: succeed (the default), fail, or run something of its own.
class ScriptableStarter : public platform::ProcessStarter {
  public:
    bool Start(const std::string& commandLine, platform::HostError& error) override {
        started.push_back(commandLine);
        if (onStart) return onStart(commandLine, error);
        error = succeed ? platform::HostError::None : platform::HostError::NotFound;
        return succeed;
    }

    bool succeed = true;
    std::function<bool(const std::string&, platform::HostError&)> onStart;
    std::vector<std::string> started;
};

// A run over temporary drives d: and e: (d: is the current directory), the
// log at d:\run.log, a scripted operator, a recording board and a clock that
// moves only with the operator's waits; the options keep their defaults,
// and the run's start question has been put already.
class JobsWorld {
  public:
    JobsWorld()
        : fs(drives.Fs()),
          options(fs, op,
                  options::OptionInputs{{}, run::testing::NoEnvironment, "e:\\", "2612061806"}),
          log(fs, "d:\\run.log"),
          run(run::RunParts{options, fs, log, op, board, starter, ticks}) {
        drives.Fs().SetCurrentDirectory("d:\\");
        op.AttachClock(ticks);
        // As for a later job of the run: the start question has been put.
        run.flags.askedOnce = true;
    }

    options::JobSettings& Settings() { return options.Settings(); }
    std::string LogText() const { return drives.Read("d/run.log"); }

    // Writes a file under the temporary root ("e/dir/a.txt" is e:\dir\a.txt),
    // making its directories.
    void Put(const std::string& relative, const std::string& content) {
        std::filesystem::create_directories(
            std::filesystem::path(drives.Host(relative)).parent_path());
        drives.Write(relative, content);
    }

    platform::testing::TempDrives drives;
    ProbingFileSystem fs;
    testkit::ScriptedRunOperator op;
    testkit::RecordingStatusBoard board;
    ScriptableStarter starter;
    testkit::FakeTickSource ticks;
    options::OptionLoad options;
    options::Log log;
    run::RunState run;
};

inline std::uint32_t CrcOf(const std::string& bytes) {
    support::Crc32Register reg;
    support::Crc32Init(reg);
    support::Crc32Update(bytes.data(), bytes.size(), reg);
    support::Crc32Final(reg);
    return reg.value;
}

// A text of the given length whose bytes are not all alike.
inline std::string Pattern(std::size_t length, unsigned seed = 1) {
    std::string text(length, '\0');
    std::uint32_t x = seed;
    for (char& c : text) {
        x = x * 1664525u + 1013904223u;
        c = static_cast<char>(x >> 24);
    }
    return text;
}

// Log text: each line followed by CR LF.
inline std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// The CRC line of a file with this content.
inline std::string CrcLine(const std::string& windowsPath, const std::string& content) {
    return options::CrcLogLine(windowsPath, CrcOf(content));
}

}  // namespace brenx::jobs::testing
