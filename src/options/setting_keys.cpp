#include "options/setting_keys.h"

#include <array>

namespace brenx::options {

namespace {

using S = JobSettings;
using M = CommandLineMarks;

// "*" stands for every letter.
void ReadNotCdr(S& s, const std::string& value, const support::EnvironmentLookup& environment) {
    s.NotCDR = support::ExpandEnvironmentReferences(value, true, environment);
    if (s.NotCDR == "*") s.NotCDR = kAllDriveLetters;
}

// Exactly "full" or "two"; anything else changes nothing.
void ReadNetworkStyle(S& s, const std::string& value, const support::EnvironmentLookup&) {
    if (value == "full") s.network_directory_style = kNetworkStyleFull;
    if (value == "two") s.network_directory_style = kNetworkStyleTwo;
}

// "0" turns the automatic choice off (the network style becomes "rest only"
// when the values are derived); "1" puts each drive under a directory named
// after its letter; anything else changes nothing.
void ReadAutoDestinationDrive(S& s, const std::string& value, const support::EnvironmentLookup&) {
    if (value == "0") s.auto_dst_drive = false;
    if (value == "1") s.dst_drive_dir = true;
}

constexpr Expansion kKeep = Expansion::KeepUnset;

const std::array kKeys = {
    SettingKey{"evarize", &S::evarize},
    SettingKey{"recurse", &S::recurse, &M::recurse},
    SettingKey{"arconly", &S::arconly, &M::arconly},
    SettingKey{"source", &S::source, &M::source, kKeep},
    SettingKey{"destination", &S::destination, &M::destination, kKeep},
    SettingKey{"program", &S::program, &M::program},
    SettingKey{"log", &S::log, &M::log},
    SettingKey{"skips_ok", &S::skips_ok},
    SettingKey{"pflag", &S::pflag},
    SettingKey{"pshort", &S::pshort},
    SettingKey{"FormatProgram", &S::FormatProgram},
    SettingKey{"counts", &S::counts},
    SettingKey{"startfile", &S::startfile},
    SettingKey{"nocopy", &S::nocopy, &M::nocopy},
    SettingKey{"nodata", &S::nodata},
    SettingKey{"stopbak", &S::stopbak},
    SettingKey{"read", &S::read},
    SettingKey{"crc", &S::crc},
    SettingKey{"BLRautoSkip", &S::BLRautoSkip},
    SettingKey{"verify", &S::verify, &M::verify},
    SettingKey{"fakeverify", &S::fakeverify},
    SettingKey{"VerifyComplete", &S::VerifyComplete},
    SettingKey{"dstkey", &S::dstkey},
    SettingKey{"srckey", &S::srckey, nullptr, kKeep},
    SettingKey{"AlwaysConfirm", &S::AlwaysConfirm},
    SettingKey{"DifferentOnly", &S::DifferentOnly},
    SettingKey{"NewerOnly", &S::NewerOnly},
    SettingKey{"NewerComplaint", &S::NewerComplaint},
    SettingKey{"NewerLog", &S::NewerLog},
    SettingKey{"RandomWait", &S::RandomWait},
    SettingKey{"RandomTime", &S::RandomTime},
    SettingKey{"RandomEject", &S::RandomEject},
    SettingKey{"NotCDR", {}, &M::NotCDR, kKeep, ReadNotCdr},
    SettingKey{"ReadOnly", &S::ReadOnly},
    SettingKey{"FixDotCrash", &S::FixDotCrash, &M::FixDotCrash},
    SettingKey{"CRCCopy", &S::CRCCopy},
    SettingKey{"tidy", &S::tidy},
    SettingKey{"warning", &S::warning},
    SettingKey{"fixbig", &S::fixbig},
    SettingKey{"atts", &S::atts},
    SettingKey{"noskipmsg", &S::noskipmsg, &M::noskipmsg},
    SettingKey{"noprompt", &S::noprompt, &M::noprompt},
    SettingKey{"noise", &S::noise},
    SettingKey{"fakesize", &S::fakesize},
    SettingKey{"sizeini", &S::sizeini},
    SettingKey{"cant_all", &S::cant_all},
    SettingKey{"cant_skip", &S::cant_skip},
    SettingKey{"cant_file", &S::cant_file},
    SettingKey{"network_directory_style", {}, nullptr, Expansion::None, ReadNetworkStyle},
    SettingKey{"hidden", &S::hidden},
    SettingKey{"fix64", &S::fix64},
    SettingKey{"auto_dst_drive", {}, nullptr, Expansion::None, ReadAutoDestinationDrive},
    SettingKey{"helphtm", &S::helphtm, nullptr, Expansion::None},
    SettingKey{"FailOnSkips", &S::FailOnSkips, &M::FailOnSkips},
};

}  // namespace

std::span<const SettingKey> SettingKeys() {
    return kKeys;
}

}  // namespace brenx::options
