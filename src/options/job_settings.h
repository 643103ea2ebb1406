#pragma once

#include <cstdint>
#include <string>

namespace brenx::options {

// Every drive letter: no drive counts as a CD-R, and the value that "*" and an
// empty "-notcdr" stand for.
inline constexpr const char* kAllDriveLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// How a network source (\\server\share\rest) maps under the destination.
inline constexpr std::uint8_t kNetworkStyleFull = 0;  // \server\share\rest
inline constexpr std::uint8_t kNetworkStyleTwo = 1;   // \share\rest
inline constexpr std::uint8_t kNetworkStyleRest = 2;  // \rest only (auto_dst_drive=0)

// The options of one job. Each member is named exactly as its settings-file
// key (the keys come in several spellings, and a person looks them up by the
// key). Flags are bools, integers 32-bit, big integers 64-bit; the members
// carry their built-in defaults and stand in the order the program has always
// declared them.
struct JobSettings {
    std::int32_t skips_ok = 1;
    bool recurse = false;
    bool arconly = false;
    std::string source;
    std::string destination;
    std::string FormatProgram;
    std::string startfile;
    std::string log = "df~_+.bnx";
    std::string counts;
    bool nodata = false;
    bool nocopy = false;
    bool nosettings = false;
    bool settings_missing = false;
    bool asked_help = false;
    std::string program;
    std::string pflag = "p~flag";
    bool pshort = false;
    bool read = false;
    bool stopbak = false;
    std::string dstkey;
    std::string srckey;
    bool crc = true;
    std::string verify;
    bool VerifyComplete = true;
    bool BLRautoSkip = false;
    bool AlwaysConfirm = true;
    bool DifferentOnly = false;
    bool NewerOnly = true;
    bool NewerComplaint = false;
    bool NewerLog = false;
    std::int64_t RandomWait = 240000000;
    std::int32_t RandomTime = 60;
    std::int64_t RandomEject = 0;
    std::string NotCDR = kAllDriveLetters;
    bool ReadOnly = false;
    bool FixDotCrash = false;
    bool CRCCopy = true;
    std::string dst_root;
    std::string tidy;
    std::string warning;
    std::string fakeverify;
    bool fixbig = true;
    bool atts = false;
    bool noskipmsg = false;
    bool noprompt = false;
    std::string noise;
    std::int64_t fakesize = 0;
    std::string sizeini = "brenxsize.ini";
    bool evarize = true;
    bool cant_all = false;
    std::string cant_skip;
    std::string cant_file;
    std::uint8_t network_directory_style = kNetworkStyleTwo;
    bool hidden = false;
    bool crc_only = false;
    bool fix64 = true;
    bool auto_dst_drive = true;
    bool dst_drive_dir = false;
    std::string helphtm = "brenxhtm\\brenfrm.htm";
    bool FailOnSkips = false;

    bool operator==(const JobSettings&) const = default;
};

// The options that a command-line switch or argument marks as given: the
// settings file does not override a marked option.
struct CommandLineMarks {
    bool arconly = false;
    bool recurse = false;
    bool source = false;
    bool destination = false;
    bool program = false;
    bool log = false;
    bool verify = false;
    bool noskipmsg = false;
    bool noprompt = false;
    bool FixDotCrash = false;
    bool nocopy = false;
    bool NotCDR = false;
    bool FailOnSkips = false;
    // "-b" and "-b-": sound the alarm with the default noise / never sound it.
    bool noiseOn = false;
    bool noiseOff = false;

    bool operator==(const CommandLineMarks&) const = default;
};

}  // namespace brenx::options
