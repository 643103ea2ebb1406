#include "options/option_load.h"

#include "platform/program_directory.h"
#include "support/date_stamp.h"
#include "support/path_names.h"
#include "support/safe_format.h"

namespace brenx::options {

namespace {

void LowerAscii(std::string& text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
}

// The typed reads of the settings file, in the order the load makes them; a
// marked option keeps its command-line value.
class KeyReader {
  public:
    KeyReader(SettingsFile& file, const support::EnvironmentLookup& environment)
        : file_(file), environment_(environment) {}

    void Flag(const char* key, bool& value, bool marked = false) {
        if (!marked) value = file_.ReadFlag(key, value);
    }
    void Integer(const char* key, std::int32_t& value) { value = file_.ReadInteger(key, value); }
    void BigInteger(const char* key, std::int64_t& value) {
        value = file_.ReadBigInteger(key, value);
    }
    // References to unset variables vanish, or stay visible with `keepUnset`.
    void Text(const char* key, std::string& value, bool marked = false, bool keepUnset = false) {
        if (!marked) value = file_.ReadText(key, value, keepUnset, environment_);
    }
    std::string Raw(const char* key, const std::string& current) {
        return file_.ReadRawText(key, current);
    }

  private:
    SettingsFile& file_;
    const support::EnvironmentLookup& environment_;
};

constexpr bool kKeepUnset = true;

}  // namespace

OptionLoad::OptionLoad(platform::FileSystem& fileSystem, Operator& op, OptionInputs inputs)
    : fileSystem_(fileSystem),
      op_(op),
      inputs_(std::move(inputs)),
      settingsFile_(fileSystem, inputs_.programDirectory) {}

void OptionLoad::LoadJobSettings() {
    if (loaded_) return;
    loaded_ = true;
    commandLine_ = ParseCommandLine(inputs_.arguments, inputs_.environment, fileSystem_, op_);
    settings_ = commandLine_.settings;
    settingsFile_.SetName(commandLine_.settingsFileName);
    settingsFile_.SetSection(commandLine_.settingsSection);
    if (!settings_.nosettings) {
        settingsFile_.Open();
        ReadSettingsFile();
        settingsFile_.Close();
    }
    DeriveValues();
}

void OptionLoad::ReadSettingsFile() {
    JobSettings& s = settings_;
    const CommandLineMarks& m = commandLine_.marks;
    KeyReader r(settingsFile_, inputs_.environment);
    r.Flag("evarize", s.evarize);
    r.Flag("recurse", s.recurse, m.recurse);
    r.Flag("arconly", s.arconly, m.arconly);
    r.Text("source", s.source, m.source, kKeepUnset);
    r.Text("destination", s.destination, m.destination, kKeepUnset);
    r.Text("program", s.program, m.program);
    r.Text("log", s.log, m.log);
    r.Integer("skips_ok", s.skips_ok);
    r.Text("pflag", s.pflag);
    r.Flag("pshort", s.pshort);
    r.Text("FormatProgram", s.FormatProgram);
    r.Text("counts", s.counts);
    platform::ResolveInCurrentDirectory(fileSystem_, s.counts);
    r.Text("startfile", s.startfile);
    r.Flag("nocopy", s.nocopy, m.nocopy);
    r.Flag("nodata", s.nodata);
    r.Flag("stopbak", s.stopbak);
    r.Flag("read", s.read);
    r.Flag("crc", s.crc);
    r.Flag("BLRautoSkip", s.BLRautoSkip);
    r.Text("verify", s.verify, m.verify);
    r.Text("fakeverify", s.fakeverify);
    r.Flag("VerifyComplete", s.VerifyComplete);
    r.Text("dstkey", s.dstkey);
    r.Text("srckey", s.srckey, false, kKeepUnset);
    r.Flag("AlwaysConfirm", s.AlwaysConfirm);
    r.Flag("DifferentOnly", s.DifferentOnly);
    r.Flag("NewerOnly", s.NewerOnly);
    r.Flag("NewerComplaint", s.NewerComplaint);
    r.Flag("NewerLog", s.NewerLog);
    r.BigInteger("RandomWait", s.RandomWait);
    r.Integer("RandomTime", s.RandomTime);
    r.BigInteger("RandomEject", s.RandomEject);
    if (!m.NotCDR) {
        r.Text("NotCDR", s.NotCDR, false, kKeepUnset);
        if (s.NotCDR == "*") s.NotCDR = kAllDriveLetters;
    }
    r.Flag("ReadOnly", s.ReadOnly);
    r.Flag("FixDotCrash", s.FixDotCrash, m.FixDotCrash);
    r.Flag("CRCCopy", s.CRCCopy);
    r.Text("tidy", s.tidy);
    r.Text("warning", s.warning);
    r.Flag("fixbig", s.fixbig);
    r.Flag("atts", s.atts);
    r.Flag("noskipmsg", s.noskipmsg, m.noskipmsg);
    r.Flag("noprompt", s.noprompt, m.noprompt);
    r.Text("noise", s.noise);
    r.BigInteger("fakesize", s.fakesize);
    r.Text("sizeini", s.sizeini);
    r.Flag("cant_all", s.cant_all);
    r.Text("cant_skip", s.cant_skip);
    r.Text("cant_file", s.cant_file);
    const std::string style = r.Raw("network_directory_style", "");
    if (style == "full") s.network_directory_style = kNetworkStyleFull;
    if (style == "two") s.network_directory_style = kNetworkStyleTwo;
    r.Flag("hidden", s.hidden);
    r.Flag("fix64", s.fix64);
    std::string autoDrive = r.Raw("auto_dst_drive", "");
    LowerAscii(autoDrive);
    if (autoDrive == "0") s.auto_dst_drive = false;
    if (autoDrive == "1") s.dst_drive_dir = true;
    s.helphtm = r.Raw("helphtm", s.helphtm);
}

void OptionLoad::PlaceLog() {
    std::string& log = settings_.log;
    support::ExpandDateStamp(log, inputs_.startStamp);
    if (log.empty()) return;
    if (support::HasPathSyntax(log)) logExplicit_ = true;
    if (log.front() == ':') {
        log.erase(0, 1);
        platform::ResolveInCurrentDirectory(fileSystem_, log);
        logExplicit_ = true;
    } else if (!settingsFile_.ResolvedPath().empty() &&
               support::HasPathSyntax(settingsFile_.ResolvedPath())) {
        support::ResolveBesideFile(settingsFile_.ResolvedPath(), log);
    } else {
        log = support::JoinPath(inputs_.programDirectory, log);
    }
}

void OptionLoad::DeriveValues() {
    JobSettings& s = settings_;
    const std::string programDirectory = support::WithTrailingBackslash(inputs_.programDirectory);
    if (s.DifferentOnly) s.NewerOnly = false;
    if (s.source == ".") s.source = platform::CurrentDirectoryWithBackslash(fileSystem_);
    if (!s.auto_dst_drive) s.network_directory_style = kNetworkStyleRest;
    support::ResolveProgramRelativeName(s.sizeini, programDirectory);
    support::ResolveProgramRelativeName(s.helphtm, programDirectory);
    platform::ResolveInCurrentDirectory(fileSystem_, s.tidy);
    PlaceLog();
    support::StripTrailingBackslash(s.startfile);
    support::EnsureTrailingBackslashIfSet(s.source);
    support::EnsureTrailingBackslashIfSet(s.destination);
    platform::ResolveInCurrentDirectory(fileSystem_, s.program);
    platform::ResolveInCurrentDirectory(fileSystem_, s.pflag);
    platform::ResolveInCurrentDirectory(fileSystem_, s.verify);
    if (!s.verify.empty()) s.crc = true;
    support::ExpandDateStamp(s.destination, inputs_.startStamp);
    // An empty destination leaves the root empty: "\" would name the root of
    // the current drive as the place for the CRC log copy.
    s.dst_root = s.destination;
    support::EnsureTrailingBackslashIfSet(s.dst_root);
    LowerAscii(s.NotCDR);
    LowerAscii(s.fakeverify);
    support::StripTrailingBackslash(s.fakeverify);
    specMode_ = s.source.starts_with("@");
    cantFileNote_ =
        s.cant_file.empty() ? std::string() : support::SafeFormat(" (cant_file:%s)", {s.cant_file});
    const CommandLineMarks& m = commandLine_.marks;
    if (m.noiseOff) {
        s.noise.clear();
    } else if (m.noiseOn && s.noise.empty()) {
        s.noise = "1";
    }
    if (s.noise == "1") s.noise = "AIRNUKLD.WAV";
    support::ResolveBareName(s.noise, programDirectory);
}

}  // namespace brenx::options
