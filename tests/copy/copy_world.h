#pragma once

#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "options/log_file.h"
#include "options/option_load.h"
#include "platform/temp_drives.h"
#include "run/run_state.h"
#include "testkit/fake_tick_source.h"
#include "testkit/faulty_file_system.h"
#include "testkit/recording_process_starter.h"
#include "testkit/recording_status_board.h"
#include "testkit/scripted_run_operator.h"

namespace brenx::copy::testing {

// The temporary drives' file system, made to fail at will: by call count
// (FaultyFileSystem), by the path opened, and with a free space of the
// test's choosing. It records the places flushed.
class CopyFileSystem : public platform::FaultyFileSystem {
  public:
    using platform::FaultyFileSystem::FaultyFileSystem;

    std::unique_ptr<platform::FileHandle> Open(const std::string& path, platform::Access access,
                                               platform::Disposition disposition) override {
        const auto refused = refusedOpens.find(path);
        if (refused != refusedOpens.end()) return Fail(refused->second, nullptr);
        return platform::FaultyFileSystem::Open(path, access, disposition);
    }
    std::unique_ptr<platform::FileHandle> OpenWithoutLinks(
        const std::string& path, platform::Access access,
        platform::Disposition disposition) override {
        const auto refused = refusedOpens.find(path);
        if (refused != refusedOpens.end()) return Fail(refused->second, nullptr);
        return platform::FaultyFileSystem::OpenWithoutLinks(path, access, disposition);
    }
    // A refused name is refused to a rename too: a copy written under a
    // temporary name meets the refusal when it takes its own.
    bool RenameNewWithoutLinks(const std::string& from, const std::string& to) override {
        const auto refused = refusedOpens.find(to);
        if (refused != refusedOpens.end()) return Fail(refused->second, false);
        return platform::FaultyFileSystem::RenameNewWithoutLinks(from, to);
    }
    std::int64_t FreeBytesAvailable(const std::string& path) override {
        const std::int64_t measured = platform::FaultyFileSystem::FreeBytesAvailable(path);
        return fixedFree && measured >= 0 ? *fixedFree : measured;
    }
    bool FlushVolume(const std::string& path) override {
        flushed.push_back(path);
        return platform::FaultyFileSystem::FlushVolume(path);
    }

    std::map<std::string, platform::HostError> refusedOpens;
    std::optional<std::int64_t> fixedFree;
    std::vector<std::string> flushed;
};

inline std::string NoEnvironment(const std::string&) {
    return {};
}

// The CRC-32 of the text as the log writes it: upper-case hexadecimal
// without leading zeros (computed by zlib, independently of the program).
inline std::string CrcText(const std::string& content) {
    const uLong crc = crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(content.data()),
                            static_cast<uInt>(content.size()));
    char text[16];
    std::snprintf(text, sizeof text, "%lX", crc);
    return text;
}

// A copy job over temporary drives: the source d:\src\, the destination
// e:\dst\ (root e:\), the log at d:\run.log, the options at their built-in
// defaults (so NewerOnly and crc are on, no CD-R), a scripted operator, a
// recording board and a clock that moves only with the operator's waits.
class CopyWorld {
  public:
    CopyWorld()
        : fs(drives.Fs()),
          options(fs, op, options::OptionInputs{{}, NoEnvironment, "d:\\", "2612061806"}),
          log(fs, "d:\\run.log"),
          run(run::RunParts{options, fs, log, op, board, starter, ticks}) {
        drives.Fs().SetCurrentDirectory("d:\\");
        op.AttachClock(ticks);
        std::filesystem::create_directories(drives.Host("d/src"));
        Settings().source = "d:\\src\\";
        Settings().destination = "e:\\dst\\";
        Settings().dst_root = "e:\\dst\\";
        run.jobMode = run::JobMode::Copy;
        run.destinationRoot = "e:\\";
    }

    options::JobSettings& Settings() { return options.Settings(); }

    // The destination's free space from now on (nullopt: as measured), as
    // if the media changed: the next copy measures it afresh.
    void Free(std::optional<std::int64_t> bytes) {
        fs.fixedFree = bytes;
        run.freeSpaceShownAt = 0;
    }

    // A source file under d:\src\ ("a\b.txt" is d:\src\a\b.txt), with
    // the directories on the way.
    void Source(const std::string& relative, const std::string& content) {
        Put("d/src/" + relative, content);
    }
    // A file under e:\dst\.
    void Destination(const std::string& relative, const std::string& content) {
        Put("e/dst/" + relative, content);
    }
    std::string Copied(const std::string& relative) const {
        return drives.Read("e/dst/" + Slashes(relative));
    }
    bool Exists(const std::string& relative) const {
        return drives.Exists("e/dst/" + Slashes(relative));
    }
    // Sets a file's date by its Windows path.
    void Date(const std::string& path, int year, int minute = 0) {
        platform::DosDateFields fields;
        fields.year = year;
        fields.minute = minute;
        fs.SetFileDate(path, platform::PackDosDateTime(fields));
    }

    // The names a search lists, in the host's order (the order the walk
    // meets them).
    std::vector<std::string> SearchOrder(const std::string& pattern, std::uint32_t filter = 0) {
        std::vector<std::string> names;
        auto search = drives.Fs().FindFirst(pattern, filter);
        platform::SearchEntry entry;
        while (search && search->Next(entry))
            names.push_back(entry.name);
        return names;
    }

    std::string LogText() const { return drives.Read("d/run.log"); }
    // The log's entries, one per CR LF.
    std::vector<std::string> LogLines() const {
        std::vector<std::string> lines;
        const std::string text = LogText();
        std::size_t start = 0;
        for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos;) {
            lines.push_back(text.substr(start, end - start));
            start = end + 2;
        }
        return lines;
    }

    platform::testing::TempDrives drives;
    CopyFileSystem fs;
    testkit::ScriptedRunOperator op;
    testkit::RecordingStatusBoard board;
    testkit::RecordingProcessStarter starter;
    testkit::FakeTickSource ticks;
    options::OptionLoad options;
    options::Log log;
    run::RunState run;

  private:
    static std::string Slashes(std::string path) {
        for (char& c : path) {
            if (c == '\\') c = '/';
        }
        return path;
    }
    void Put(const std::string& relative, const std::string& content) {
        const std::string host = drives.Host(Slashes(relative));
        std::filesystem::create_directories(std::filesystem::path(host).parent_path());
        drives.Write(Slashes(relative), content);
    }
};

}  // namespace brenx::copy::testing
