#pragma once

#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/directory_search.h"
#include "platform/dos_date_time.h"
#include "testkit/world.h"

namespace brenx::copy::testing {

using CopyFileSystem = testkit::KitFileSystem;

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
class CopyWorld : public testkit::World {
  public:
    CopyWorld() : testkit::World("d:\\") {
        std::filesystem::create_directories(drives.Host("d/src"));
        Settings().source = "d:\\src\\";
        Settings().destination = "e:\\dst\\";
        Settings().dst_root = "e:\\dst\\";
        run.jobMode = run::JobMode::Copy;
        run.destinationRoot = "e:\\";
    }

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

  private:
    static std::string Slashes(std::string path) {
        for (char& c : path) {
            if (c == '\\') c = '/';
        }
        return path;
    }
    void Put(const std::string& relative, const std::string& content) {
        testkit::World::Put(Slashes(relative), content);
    }
};

}  // namespace brenx::copy::testing
